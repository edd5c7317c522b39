#include "platform/tapplication.h"
#include "ui/lumvex1.h"

int main(int argc, char* argv[]) {
    TApplication Application(argc, argv);
    // 1 when a failure ended the program (shown in the error box before), else 0.
    return Application.RunGuarded([&] {
        Application.Initialize();
        Application.CreateForm(Form1);
        Application.Run();
    });
}
