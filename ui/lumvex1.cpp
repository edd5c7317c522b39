#include "ui/lumvex1.h"

#include "core/sample_text.h"
#include "core/status_titles.h"
#include "platform/image_replace.h"
#include "platform/tclipboard.h"
#include "platform/tcolordialog.h"
#include "platform/tick_count.h"
#include "ui_lumvex1.h"

TColor PickedColor = 0;
TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* owner)
    : TForm(owner)
    , ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    // A dialog component has no place in a widget form definition; it is made and set here.
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
    Loaded();

    connect(ui->Image1, &TImage::OnMouseDown, this, &TForm1::Image1MouseDown);
    connect(ui->Image1, &TImage::OnMouseMove, this, &TForm1::Image1MouseMove);
    connect(ui->Button1, &TButton::OnClick, this, &TForm1::Button1Click);
    connect(ui->Button2, &TButton::OnClick, this, &TForm1::Button2Click);
    connect(ui->BtnCopy, &TButton::OnClick, this, &TForm1::BtnCopyClick);

    whenClipboardReadable([this] { PasteFromClipboard(); });
}

TForm1::~TForm1() = default;

void TForm1::PickColorAt(int X, int Y) {
    const TColor sampled = ui->Image1->Pixel(X, Y);
    PickedColor = sampled;
    ui->Label1->setCaption(QString::fromStdString(readoutText(sampled)));
    Clipboard()->setAsText(QString::fromStdString(sampleClipboardText(sampled)));
    ui->Image2->fillCanvas(visibleColor(sampled));
    ui->Image2->Refresh();
}

void TForm1::Image1MouseDown(TImage*, TMouseButton, TShiftState, int X, int Y) {
    PickColorAt(X, Y);
}

void TForm1::Image1MouseMove(TImage*, TShiftState Shift, int X, int Y) {
    if (Shift.testFlag(ssLeft))
        PickColorAt(X, Y);
}

void TForm1::Button1Click(TButton*) {
    PasteFromClipboard();
}

// Qt sends a new title to the X server at once, so the title bar follows the scan although the
// event loop does not run until it ends.
void TForm1::Button2Click(TButton*) {
    if (!ColorDialog1->Execute())
        return;
    setWindowTitle(QString::fromLatin1(kReplaceStartedTitle));
    replaceColorInImage(
        ui->Image1->Canvas(), PickedColor, ColorDialog1->Color(), GetTickCount,
        [this](int percent) { setWindowTitle(QString::fromStdString(progressTitle(percent))); });
    setWindowTitle(QString::fromLatin1(kReplaceDoneTitle));
    ui->Image1->Changed();
}

void TForm1::BtnCopyClick(TButton*) {
    // A picture that holds nothing leaves the clipboard emptied, with nothing placed.
    Clipboard()->Assign(ui->Image1->Picture());
    setWindowTitle(QString::fromLatin1(kCopiedTitle));
}

void TForm1::PasteFromClipboard() {
    if (!Clipboard()->HasFormat(CF_BITMAP))
        return;
    ui->Image1->setPicture(Clipboard()->GetBitmap());
}
