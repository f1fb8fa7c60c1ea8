// The search box: one edit for the text to look for, OK and ｷｬﾝｾﾙ, built
// from its template.
#pragma once

#include <QDialog>

#include <string>

namespace kelvor {

namespace fw {
class ByteEdit;
}

class CSearchDlg : public QDialog {
public:
    explicit CSearchDlg(QWidget* parent);

    // The text in the box, code page 932: offered when the box opens, taken
    // back when it is accepted.
    void SetSearchText(const std::string& text);
    std::string SearchText() const;

private:
    fw::ByteEdit* edit_ = nullptr;
};

}  // namespace kelvor
