#pragma once

// lumvex's main window. Its form definition (lumvex1.ui) lays out the components; the handlers
// below carry the program's logic:
//   clipboard bitmap --(start-up paste, Button1 "Paste")--> Image1, the working image
//   press or left drag on Image1 --PickColorAt--> PickedColor, Label1 readout, Image2 swatch,
//                                                 a text on the clipboard
//   Button2 "Replace" --ColorDialog1--> every Image1 pixel equal to PickedColor recoloured,
//                                       progress in the window title
//   BtnCopy "Copy" --> Image1's bitmap on the clipboard, title "lumvex - Copyed"

#include "core/tcolor.h"
#include "platform/mouse_state.h"
#include "platform/tform.h"

#include <memory>

class TButton;
class TColorDialog;
class TImage;
class TLabel;

namespace Ui {
class TForm1;
}

// The last sample, exactly as read; black until the first sample.
extern TColor PickedColor;

class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner = nullptr);
    ~TForm1() override;

    // Samples the working image's pixel at (X, Y) into PickedColor, the readout, the clipboard
    // and the swatch.
    void PickColorAt(int X, int Y);

private:
    void Image1MouseDown(TImage* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Image1MouseMove(TImage* Sender, TShiftState Shift, int X, int Y);
    void Button1Click(TButton* Sender);
    void Button2Click(TButton* Sender);
    void BtnCopyClick(TButton* Sender);

    void PasteFromClipboard();

    std::unique_ptr<Ui::TForm1> ui;
    TColorDialog* ColorDialog1;
};

// The main window, once created.
extern TForm1* Form1;
