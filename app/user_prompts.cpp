#include "app/user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace quintavo::app {

namespace {

const QString Title = QStringLiteral("Quintavo");

// The language tables break lines with CR LF; a message box wants LF alone.
QString Display(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& proposed) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    QStringList filters = {QString::fromLatin1(GameFileFilter), QString::fromLatin1(PgnFileFilter)};
    if (mode == QFileDialog::AcceptOpen) filters.prepend(QString::fromLatin1(AnyGameFileFilter));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(GameFileSuffix));
    // A name typed without an extension takes the chosen format's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(QString::fromLatin1(
            f == QString::fromLatin1(PgnFileFilter) ? PgnFileSuffix : GameFileSuffix));
    });
    // The save dialog asks before it replaces a file (Qt's default).
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

bool IsPgnFileName(const QString& name) {
    return name.endsWith(QStringLiteral(".pgn"), Qt::CaseInsensitive);
}

IUserPrompts::Answer DialogPrompts::AskYesNoCancel(QWidget* parent, const QString& text) {
    switch (QMessageBox::question(parent, Title, Display(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

IUserPrompts::Answer DialogPrompts::AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, Title, Display(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

void DialogPrompts::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title, Display(text), QMessageBox::Ok, parent);
    box.exec();
}

void DialogPrompts::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Title, Display(text), QMessageBox::Ok);
}

QString DialogPrompts::SaveGameFileName(QWidget* parent, const QString& proposedName) {
    return RunFileDialog(parent, QFileDialog::AcceptSave, proposedName);
}

QString DialogPrompts::OpenGameFileName(QWidget* parent) {
    return RunFileDialog(parent, QFileDialog::AcceptOpen, {});
}

} // namespace quintavo::app
