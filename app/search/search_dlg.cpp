#include "app/search/search_dlg.h"

#include <QPushButton>

#include "app/framework/byte_controls.h"
#include "app/framework/template_builder.h"
#include "res/control_ids.h"
#include "res/unit_form_template.h"

namespace kelvor {

CSearchDlg::CSearchDlg(QWidget* parent) : QDialog(parent) {
    const res::DialogTemplate& t = res::SearchBoxTemplate();
    fw::ShapeTemplateWindow(this, t);
    auto* client = new QWidget(this);
    const fw::TemplateControls controls = fw::BuildTemplateControls(client, t, fw::EnterKey::DialogDefault);
    setFixedSize(controls.clientSize);
    fw::InstallWindowMenu(this, client, t.minimizeBox);
    edit_ = fw::FindControl<fw::ByteEdit>(client, res::kIdSearchText);
    connect(fw::FindControl<QPushButton>(client, res::kIdOk), &QPushButton::clicked, this, &QDialog::accept);
    connect(fw::FindControl<QPushButton>(client, res::kIdCancel), &QPushButton::clicked, this, &QDialog::reject);
    fw::FocusFirstControl(controls);
}

void CSearchDlg::SetSearchText(const std::string& text) {
    edit_->setBytes(text);
    edit_->selectAll();
}

std::string CSearchDlg::SearchText() const { return edit_->bytes(); }

}  // namespace kelvor
