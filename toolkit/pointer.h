#pragma once

#include <QCursor>

// The pointing hand shown over link labels: a white hand with a black outline,
// index finger up, its hot spot at the fingertip.
QCursor handPointer();
