#pragma once

#include "ui/services.h"

#include <QList>
#include <QString>

#include <optional>

namespace lancefall::testing {

struct ShownMessage {
    QString text;
    MessageLook look;
};

// Records every message instead of showing it.
class FakeMessages : public MessageService {
public:
    void show(QWidget *, const QString &text, MessageLook look) override { shown.append({text, look}); }
    // Answers "Don't show this again" with `dismiss`.
    bool showDismissible(QWidget *owner, const QString &text, MessageLook look) override
    {
        show(owner, text, look);
        return dismiss;
    }
    bool dismiss = false;
    QStringList texts() const
    {
        QStringList all;
        for (const ShownMessage &m : shown)
            all.append(m.text);
        return all;
    }
    QList<ShownMessage> shown;
};

// Answers each question as told and records what was asked.
class FakeQuestions : public QuestionService {
public:
    CloseAnswer askSaveChanges(QWidget *, SaveMoment moment) override
    {
        ++asked;
        moments.append(moment);
        return answer;
    }
    ApplyAnswer askApplyEdits(QWidget *, const QString &record) override
    {
        applyAsked.append(record);
        return applyAnswer;
    }
    bool askOverwrite(QWidget *, const QString &, const QStringList &files) override
    {
        overwriteAsked.append(files);
        return overwrite;
    }
    bool askReload(QWidget *, const QString &, const QStringList &files) override
    {
        reloadAsked.append(files);
        return reload;
    }
    CloseAnswer answer = CloseAnswer::Cancel;
    int asked = 0;
    QList<SaveMoment> moments;
    ApplyAnswer applyAnswer = ApplyAnswer::Cancel;
    QStringList applyAsked; // the record entries named
    bool overwrite = false;
    QList<QStringList> overwriteAsked;
    bool reload = false;
    QList<QStringList> reloadAsked;
};

// Hands back a chosen folder, or cancels when none is set.
class FakeFolders : public FolderPicker {
public:
    std::optional<QString> pickFolder(QWidget *, const QString &title, const QString &startFolder) override
    {
        lastTitle = title;
        lastStart = startFolder;
        return folder;
    }
    std::optional<QString> pickFile(QWidget *, const QString &, const QString &start, const QString &,
                                    FileUse use) override
    {
        lastStart = start;
        return use == FileUse::Open ? openFile : saveFile;
    }
    std::optional<QString> folder;
    std::optional<QString> openFile, saveFile;
    QString lastTitle;
    QString lastStart;
};

} // namespace lancefall::testing
