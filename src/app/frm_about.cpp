#include "app/frm_about.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/icons.h"
#include "platform/shell.h"

namespace glifora {

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName("frmAbout");
    setWindowTitle("Acerca de Glifora");
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(ToolIcon(IconKind::App).pixmap(48, 48));
    auto* name = new QLabel("<b>Glifora</b>", this);
    name->setObjectName("lblNombre");
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Versión %1").arg(GLIFORA_VERSION), this);
    version->setObjectName("lblVersion");
    auto* what = new QLabel(
        QStringLiteral("Convierte imágenes en arte de texto: AsciiArt, WebArt y AnimArt."), this);
    auto* web = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(kProjectWeb), this);
    web->setObjectName("lblWeb");
    auto* mail = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(kAuthorMail, QString(kAuthorMail).mid(7)),
        this);
    mail->setObjectName("lblMail");
    for (QLabel* link : {web, mail}) {
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(link, &QLabel::linkActivated, this,
                [](const QString& url) { ShellOpen(url.toStdString()); });
    }
    for (QLabel* l : {icon, name, version, what, web, mail}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

}  // namespace glifora
