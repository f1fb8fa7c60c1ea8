// The search box: one edit for the text to look for, OK and Cancel.
#pragma once

#include <string>

#include "app/framework/dialog.h"

namespace kelvor {

class CSearchDlg : public fw::Dialog {
public:
    CSearchDlg(fw::Platform& platform, fw::Dialog* parent);
    ~CSearchDlg() override;

    std::string m_strSearchText;  // code page 932

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
};

}  // namespace kelvor
