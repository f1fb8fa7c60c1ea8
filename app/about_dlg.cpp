#include "app/about_dlg.h"

#include "app/framework/template_builder.h"
#include "res/unit_form_template.h"

namespace kelvor {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    fw::BuildTemplateBox(this, res::AboutBoxTemplate());
}

}  // namespace kelvor
