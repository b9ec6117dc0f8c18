#include "animation/frm_gif_avance.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "animation/gif_frames.h"
#include "platform/picture_decoder.h"
#include "platform/qt_raster.h"

namespace glifora {
namespace {

constexpr int kTwipsPerPixel = 15;

QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

// The one small icon every item shows: a strip of film.
QIcon FrameIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(2, 1, 12, 14, QColor(40, 40, 40));
    p.fillRect(5, 4, 6, 8, QColor(120, 180, 240));
    for (int y = 2; y < 15; y += 3) {
        p.fillRect(3, y, 1, 1, Qt::white);
        p.fillRect(12, y, 1, 1, Qt::white);
    }
    return QIcon(pixmap);
}

}  // namespace

frmGIFAvance::frmGIFAvance(int frameCount, std::vector<std::string>& selection,
                           std::string workFolder, QWidget* parent)
    : QDialog(parent), selection_(selection), workFolder_(std::move(workFolder)) {
    setObjectName("frmGIFAvance");
    setWindowTitle("Propiedades avanzadas del AnimArt");
    resize(6270 / kTwipsPerPixel, 4215 / kTwipsPerPixel);

    lstwGIF = new QTreeWidget(this);
    lstwGIF->setObjectName("lstwGIF");
    lstwGIF->setGeometry(Twips(90, 90, 2145, 3375));
    lstwGIF->setColumnCount(1);
    lstwGIF->setHeaderLabels({"Listado de Fotogramas"});
    lstwGIF->setRootIsDecorated(false);
    lstwGIF->setIconSize(QSize(16, 16));
    const QIcon icon = FrameIcon();
    for (int i = 1; i <= frameCount; ++i) {
        auto* item = new QTreeWidgetItem(lstwGIF);
        item->setText(0, "Fotograma " + QString::fromStdString(FrameNumberText(i)));
        item->setData(0, Qt::UserRole, "F" + QString::number(i));  // the item's key
        item->setIcon(0, icon);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }

    cmdAll = new QPushButton("&Todos", this);
    cmdAll->setObjectName("cmdAll");
    cmdAll->setGeometry(Twips(120, 3510, 795, 285));
    cmdNome = new QPushButton("&Ninguno", this);
    cmdNome->setObjectName("cmdNome");
    cmdNome->setGeometry(Twips(1350, 3510, 825, 285));
    cmdAceptar = new QPushButton("Aceptar", this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setGeometry(Twips(120, 3870, 2055, 285));
    imgGIFPreview = new QLabel(this);
    imgGIFPreview->setObjectName("imgGIFPreview");
    imgGIFPreview->setGeometry(Twips(2310, 90, 3855, 3705));
    imgGIFPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitListToItems();

    ShowFrame("Fotograma 01");
    for (const std::string& number : selection_) {
        bool ok = false;
        const int k = QString::fromStdString(number).toInt(&ok);
        if (ok && k >= 1 && k <= frameCount)
            lstwGIF->topLevelItem(k - 1)->setCheckState(0, Qt::Checked);
    }

    connect(lstwGIF, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowFrame(item->text(0)); });
    connect(cmdAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(cmdNome, &QPushButton::clicked, this, [this] { CheckAll(false); });
    connect(cmdAceptar, &QPushButton::clicked, this, &QDialog::accept);
}

void frmGIFAvance::FitListToItems() {
    // Every item, down to the last and longest number, and the header must
    // read in full: the list grows to the widest of them with room for its
    // scroll bar, and the preview, the buttons and the dialog follow it.
    lstwGIF->ensurePolished();
    lstwGIF->header()->ensurePolished();
    lstwGIF->header()->setResizeContentsPrecision(-1);  // measure every item
    const int items = static_cast<QAbstractItemView*>(lstwGIF)->sizeHintForColumn(0);
    const int text = std::max(items, lstwGIF->header()->sectionSizeHint(0));
    const int width = text + 2 * lstwGIF->frameWidth() +
                      lstwGIF->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lstwGIF);
    const int grow = std::max(0, width - lstwGIF->width());
    if (grow == 0) return;
    lstwGIF->resize(lstwGIF->width() + grow, lstwGIF->height());
    cmdNome->move(cmdNome->x() + grow, cmdNome->y());
    cmdAceptar->resize(cmdAceptar->width() + grow, cmdAceptar->height());
    imgGIFPreview->move(imgGIFPreview->x() + grow, imgGIFPreview->y());
    resize(this->width() + grow, height());
}

void frmGIFAvance::ShowFrame(const QString& itemText) {
    const PictureLoad load = DecodePicture(workFolder_ + "/" + itemText.toStdString() + ".bmp");
    if (!load.Ok()) return;
    imgGIFPreview->setPixmap(QPixmap::fromImage(ImageFromRaster(load.raster)));
}

void frmGIFAvance::CheckAll(bool checked) {
    for (int i = 0; i < lstwGIF->topLevelItemCount(); ++i)
        lstwGIF->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void frmGIFAvance::done(int result) {
    // Every way of closing (Aceptar, the close box, Escape) ends here.
    if (!stored_) {
        stored_ = true;
        std::vector<std::string> chosen;
        for (int i = 0; i < lstwGIF->topLevelItemCount(); ++i)
            if (lstwGIF->topLevelItem(i)->checkState(0) == Qt::Checked)
                chosen.push_back(FrameNumberText(i + 1));
        selection_ = std::move(chosen);
    }
    QDialog::done(result);
}

void frmGIFAvance::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The preview takes what the list leaves, up to the dialog's right edge.
    imgGIFPreview->resize(std::max(0, width() - imgGIFPreview->x() + 1),
                          std::max(0, height() - 500 / kTwipsPerPixel));
}

}  // namespace glifora
