#include "app/about_dlg.h"

#include <QPushButton>

#include "app/framework/template_builder.h"
#include "res/control_ids.h"
#include "res/unit_form_template.h"

namespace kelvor {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const res::DialogTemplate& t = res::AboutBoxTemplate();
    fw::ShapeTemplateWindow(this, t);
    auto* client = new QWidget(this);
    const fw::TemplateControls controls = fw::BuildTemplateControls(client, t, fw::EnterKey::DialogDefault);
    setFixedSize(controls.clientSize);
    fw::InstallWindowMenu(this, client, t.minimizeBox);
    connect(fw::FindControl<QPushButton>(client, res::kIdOk), &QPushButton::clicked, this, &QDialog::accept);
    fw::FocusFirstControl(controls);
}

}  // namespace kelvor
