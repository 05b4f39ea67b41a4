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

// Answers the closing question with a chosen answer and counts the questions.
class FakeQuestions : public QuestionService {
public:
    CloseAnswer askSaveChanges(QWidget *) override
    {
        ++asked;
        return answer;
    }
    CloseAnswer answer = CloseAnswer::Cancel;
    int asked = 0;
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
    std::optional<QString> folder;
    QString lastTitle;
    QString lastStart;
};

} // namespace lancefall::testing
