#include "app/line_change.h"

namespace kelvor {

LineChange::LineChange(const QString& text, int lineNumber, std::string before, std::string after, PutLine put)
    : QUndoCommand(text),
      lineNumber_(lineNumber),
      before_(std::move(before)),
      after_(std::move(after)),
      put_(std::move(put)) {}

void LineChange::undo() {
    put_(lineNumber_, before_);
    done_ = false;
}

void LineChange::redo() {
    if (!done_) put_(lineNumber_, after_);
    done_ = true;
}

}  // namespace kelvor
