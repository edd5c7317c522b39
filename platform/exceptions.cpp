#include "platform/exceptions.h"

EInvalidGraphic::EInvalidGraphic()
    : Exception("未対応のｸﾘｯﾌﾟﾎﾞｰﾄﾞ ﾃﾞｰﾀです") {}

EOutOfResources::EOutOfResources()
    : Exception("ｼｽﾃﾑ ﾘｿｰｽが足りません") {}

EClipboardException::EClipboardException()
    : Exception("ｸﾘｯﾌﾟﾎﾞｰﾄﾞを開けません") {}
