#pragma once

// Services for running the real window without anyone at the screen: the
// benchmark and the screenshot tool use them.

#include "ui/services.h"

#include <QTextStream>

namespace lancefall {

// Prints messages to stderr (or only counts them) instead of waiting for a click.
class PrintedMessages : public MessageService {
public:
    explicit PrintedMessages(bool print = true) : mPrint(print) {}
    void show(QWidget *, const QString &text, MessageLook) override
    {
        ++shown;
        if (mPrint)
            QTextStream(stderr) << text << "\n\n";
    }
    int shown = 0;

private:
    bool mPrint;
};

// Lets work go rather than wait for an answer, and never overwrites another program's changes.
class DiscardOnClose : public QuestionService {
public:
    CloseAnswer askSaveChanges(QWidget *, SaveMoment) override { return CloseAnswer::Discard; }
    ApplyAnswer askApplyEdits(QWidget *, const QString &) override { return ApplyAnswer::Discard; }
    bool askOverwrite(QWidget *, const QString &, const QStringList &) override { return false; }
    bool askReload(QWidget *, const QString &, const QStringList &) override { return false; }
};

// Always picks the same folder.
class FixedFolder : public FolderPicker {
public:
    explicit FixedFolder(QString folder) : mFolder(std::move(folder)) {}
    std::optional<QString> pickFolder(QWidget *, const QString &, const QString &) override { return mFolder; }

private:
    QString mFolder;
};

} // namespace lancefall
