#include "search/search_dlg.h"

#include "res/control_ids.h"
#include "res/resources.h"

namespace kelvor {

CSearchDlg::CSearchDlg(fw::Platform& platform, fw::Dialog* parent)
    : fw::Dialog(res::kIdSearchBox, parent, platform) {}

CSearchDlg::~CSearchDlg() = default;

void CSearchDlg::DoDataExchange(fw::DataExchange& dx) { dx.Text(res::kIdSearchText, m_strSearchText); }

}  // namespace kelvor
