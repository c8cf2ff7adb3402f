#pragma once

class QWidget;

namespace Fotogramma {
// On X11 with shared memory, Qt makes a paint over an area it has just sent
// wait until the X server confirms it has read it: one round trip, paid on the
// next key press when the highlight leaves that control. Asking for the
// confirmation as soon as the frame that paints `dipinto` is out, while the
// child is not pressing, takes that wait off the next highlight move.
void confermaDopoIlFotogramma(QWidget *dipinto);
}
