// One step of the table's history: an Apply or an import replaced one line.
// The step holds that line's bytes before and after, each with its line
// end, never the whole table; undoing puts the earlier bytes back exactly.
#pragma once

#include <QUndoCommand>

#include <functional>
#include <string>

namespace kelvor {

class LineChange : public QUndoCommand {
public:
    // Puts `bytes` in place of line `lineNumber` and shows that unit.
    using PutLine = std::function<void(int lineNumber, const std::string& bytes)>;

    // The change has been made when the step is pushed: its first redo does nothing.
    LineChange(const QString& text, int lineNumber, std::string before, std::string after, PutLine put);

    void undo() override;
    void redo() override;

private:
    int lineNumber_;
    std::string before_;
    std::string after_;
    PutLine put_;
    bool done_ = true;
};

}  // namespace kelvor
