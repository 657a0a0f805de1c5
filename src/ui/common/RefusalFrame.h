#pragma once

class QColor;
class QLineEdit;
class QPalette;

namespace mobwright {

// The red of a refusal, dark on a light base and light on a dark one, so
// that it stands out in either palette.
QColor RefusalColour(const QPalette &palette);

// Frames a field whose text is refused in that red, or takes the frame off.
void FrameAsRefused(QLineEdit &field, bool refused);

} // namespace mobwright
