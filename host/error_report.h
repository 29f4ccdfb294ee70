#pragma once
// What happens to an arithmetic fault that leaves a command: the user is told, in Japanese, the
// kind and number of the error, and the program goes on running. Ending the program here would
// look like a crash to the user and lose what they typed.

#include "host/message_boxes.h"
#include "kernel/runtime_error.h"

namespace zelvanu {

QString runTimeErrorText(const RunTimeError& error);

void reportUnhandledError(MessageBoxes& boxes, QWidget* parent, const RunTimeError& error);

} // namespace zelvanu
