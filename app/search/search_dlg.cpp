#include "app/search/search_dlg.h"

#include "app/framework/byte_controls.h"
#include "app/framework/template_builder.h"
#include "res/control_ids.h"
#include "res/unit_form_template.h"

namespace kelvor {

CSearchDlg::CSearchDlg(QWidget* parent) : QDialog(parent) {
    fw::BuildTemplateBox(this, res::SearchBoxTemplate());
    edit_ = fw::FindControl<fw::ByteEdit>(this, res::kIdSearchText);
}

void CSearchDlg::SetSearchText(const std::string& text) {
    edit_->setBytes(text);
    edit_->selectAll();
}

std::string CSearchDlg::SearchText() const { return edit_->bytes(); }

}  // namespace kelvor
