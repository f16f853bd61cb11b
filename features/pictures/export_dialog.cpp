#include "features/pictures/export_dialog.h"

#include "features/pictures/board_picture.h"
#include "features/pictures/run_animation.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace quarn {

ExportDialog::ExportDialog(QWidget& owner, const QString& title, const QString& suggested,
                           const QString& extension, int generations)
    : QDialog(&owner),
      extension_(extension)
{
    setWindowTitle(title);
    path_.setObjectName(QStringLiteral("exportPath"));
    path_.setText(suggested);
    path_.setMinimumWidth(path_.fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    auto* browse = new QPushButton(tr("&Browse…"), this);
    connect(browse, &QPushButton::clicked, this, &ExportDialog::Browse);
    auto* file = new QHBoxLayout;
    file->addWidget(&path_, 1);
    file->addWidget(browse);

    scale_.setObjectName(QStringLiteral("exportScale"));
    scale_.setRange(BoardPicture::kLeastScale, BoardPicture::kMostScale);
    scale_.setSuffix(QStringLiteral("×"));
    scale_.setValue(2);
    generations_.setObjectName(QStringLiteral("exportGenerations"));
    generations_.setRange(0, run_animation::kMostGenerations);
    generations_.setValue(std::max(0, generations));

    content_.setObjectName(QStringLiteral("exportContent"));
    content_.addItem(tr("The board"), static_cast<int>(Content::kBoard));
    content_.addItem(tr("The board and its graph"), static_cast<int>(Content::kBoardAndGraph));
    if (generations < 0) {
        content_.addItem(tr("The graph alone"), static_cast<int>(Content::kGraph));
    }

    auto* form = new QFormLayout;
    // A label of a row of several widgets needs its buddy by hand.
    auto* fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(&path_);
    form->addRow(fileLabel, file);
    form->addRow(tr("S&how:"), &content_);
    form->addRow(tr("&Size:"), &scale_);
    if (generations >= 0) {
        form->addRow(tr("&Generations:"), &generations_);
    } else {
        generations_.hide();
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString ExportDialog::Path() const
{
    return path_.text().trimmed();
}

int ExportDialog::Scale() const
{
    return scale_.value();
}

int ExportDialog::Generations() const
{
    return generations_.value();
}

ExportDialog::Content ExportDialog::Shown() const
{
    return static_cast<Content>(content_.currentData().toInt());
}

void ExportDialog::accept()
{
    QString path = Path();
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + extension_;
        path_.setText(path);
    }
    if (QFileInfo::exists(path) &&
        QMessageBox::question(
            this, windowTitle(),
            tr("“%1” already exists. Replace it?").arg(QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    QDialog::accept();
}

void ExportDialog::Browse()
{
    QFileDialog dialog(this, windowTitle(), Path(),
                       tr("%1 files (*.%2)").arg(extension_.toUpper(), extension_));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension_);
    // Whether to replace a file is asked once, when the export is made.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() == QDialog::Accepted) {
        path_.setText(dialog.selectedFiles().value(0));
    }
}

} // namespace quarn
