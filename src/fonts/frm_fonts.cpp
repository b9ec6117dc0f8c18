#include "fonts/frm_fonts.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSet>
#include <QTreeWidget>

#include "fonts/font_list.h"
#include "platform/object_names.h"

namespace glifora {
namespace {

// Small icon 1 of the window's image list: a letter on a page.
QIcon FontIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(2, 1, 12, 14, Qt::white);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(2, 1, 11, 13);
    p.setPen(QColor(20, 40, 140));
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(2, 1, 12, 14), Qt::AlignCenter, "F");
    return QIcon(pixmap);
}

}  // namespace

frmFonts::frmFonts(FacePicked onPick, QWidget* parent, Enumerator enumerate)
    : QWidget(parent, Qt::Window),
      onPick_(std::move(onPick)),
      enumerate_(enumerate ? std::move(enumerate) : Enumerator(EnumFixedFonts)) {
    setObjectName("frmFonts");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Fuentes de tamaño fijo"));
    resize(480, 320);

    // The working list the enumeration fills; the user sees lvwFuentes.
    lstFont = Named(new QListWidget(this), "lstFont");
    lstFont->setVisible(false);

    lvwFuentes = Named(new QTreeWidget(this), "lvwFuentes");
    lvwFuentes->setGeometry(8, 8, 220, 276);
    lvwFuentes->setColumnCount(1);
    lvwFuentes->setHeaderLabels({"Fuentes Fixed"});
    lvwFuentes->setRootIsDecorated(false);
    lvwFuentes->setIconSize(QSize(16, 16));
    lvwFuentes->setSelectionMode(QAbstractItemView::SingleSelection);

    lblFontCount = Named(new QLabel(this), "lblFontCount");
    lblFontCount->setGeometry(8, 290, 220, 22);

    lblEnElListadoDeLaIzquierda = Named(new QLabel(this), "lblEnElListadoDeLaIzquierda");
    lblEnElListadoDeLaIzquierda->setGeometry(240, 8, 232, 96);
    lblEnElListadoDeLaIzquierda->setWordWrap(true);
    lblEnElListadoDeLaIzquierda->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEnElListadoDeLaIzquierda->setText(QString::fromUtf8(
        "En el listado de la izquierda se muestran las fuentes \"Fixed\" instaladas en este PC. "
        "Haga doble clic sobre una de ellas para seleccionarla"));

    lblParaLaCorrecta = Named(new QLabel(this), "lblParaLaCorrecta");
    lblParaLaCorrecta->setGeometry(240, 112, 232, 150);
    lblParaLaCorrecta->setWordWrap(true);
    lblParaLaCorrecta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblParaLaCorrecta->setText(QString::fromUtf8(
        "Para la correcta visualización de los \"ASCII Art\" se debe utilizar una fuente de "
        "ancho fijo (Fixed), es decir, que independientemente del caracter usado, este va a "
        "tener la misma anchura que el resto."));

    connect(lvwFuentes, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnDoubleClick(item); });

    LoadList();
}

void frmFonts::LoadList() {
    lstFont->clear();
    for (const std::string& face : enumerate_()) lstFont->addItem(QString::fromStdString(face));

    lvwFuentes->clear();
    const QIcon icon = FontIcon();
    QSet<QString> keys;  // an item's key is its face, and keys are unique
    for (int i = 0; i < lstFont->count(); ++i) {
        const QString face = lstFont->item(i)->text();
        if (keys.contains(face)) continue;
        keys.insert(face);
        auto* item = new QTreeWidgetItem(lvwFuentes);
        item->setText(0, face);
        item->setData(0, Qt::UserRole, face);
        item->setIcon(0, icon);
    }
    lblFontCount->setText("Fuentes encontradas: " +
                          QString::number(lvwFuentes->topLevelItemCount()));
}

void frmFonts::OnDoubleClick(QTreeWidgetItem* item) {
    if (item == nullptr || !onPick_) return;
    onPick_(item->text(0).toStdString());
}

}  // namespace glifora
