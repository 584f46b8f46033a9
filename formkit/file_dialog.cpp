#include "formkit/file_dialog.h"

#include <QFileSystemModel>
#include <QIdentityProxyModel>

#include "formkit/region.h"

namespace formkit {

namespace {

// A file's type by its suffix, as the program's dialogs meet them.
QString typeOf(const QFileInfo& file) {
    if (file.isDir()) return QStringLiteral("Fascikla");
    const QString suffix = file.suffix().toLower();
    if (suffix == u"png" || suffix == u"jpg" || suffix == u"jpeg" || suffix == u"bmp")
        return QStringLiteral("Slika %1")
            .arg(suffix == u"jpg" ? QStringLiteral("JPEG") : suffix.toUpper());
    if (suffix == u"frd") return QStringLiteral("Merenje odziva (FRD)");
    if (suffix == u"zma") return QStringLiteral("Merenje impedanse (ZMA)");
    if (suffix == u"tav20") return QStringLiteral("Projekat Tav20");
    if (suffix.isEmpty()) return QStringLiteral("Datoteka");
    return QStringLiteral("Datoteka %1").arg(suffix.toUpper());
}

// The Size and Type columns of the file system model, written anew.
class SerbianColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex source = mapToSource(index);
        if (role != Qt::DisplayRole || !files || (index.column() != 1 && index.column() != 2))
            return QIdentityProxyModel::data(index, role);
        const QFileInfo file = files->fileInfo(source);
        if (index.column() == 2) return typeOf(file);
        if (file.isDir()) return QString();
        return sizeText(files->size(source));
    }

private:
    // "26 B", "25,9 KB", "1,2 MB": units every language writes alike, one decimal
    // by the user's regional separator.
    static QString sizeText(qint64 bytes) {
        if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
        double size = double(bytes) / 1024;
        int unit = 0;
        for (; size >= 1024 && unit < 2; ++unit) size /= 1024;
        const qint64 tenths = qRound64(size * 10);
        return QStringLiteral("%1%2%3 %4")
            .arg(tenths / 10)
            .arg(QString::fromStdString(userRegion().decimal))
            .arg(tenths % 10)
            .arg(QStringList{QStringLiteral("KB"), QStringLiteral("MB"),
                             QStringLiteral("GB")}[unit]);
    }
};

}  // namespace

QFileDialog* fileDialog(QWidget* parent, const QString& caption, const QString& path,
                        const QString& filters, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent, caption, path, filters);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setProxyModel(new SerbianColumns(dialog));
    return dialog;
}

}  // namespace formkit
