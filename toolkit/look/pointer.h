#pragma once

// The pointing hand over links; not which controls show it.

#include <QCursor>

// The pointing hand shown over link labels: a white hand with a black outline,
// index finger up, its hot spot at the fingertip.
QCursor handPointer();
