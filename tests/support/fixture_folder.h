#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

namespace lancefall::testing {

// Copies every file of `source` into `target` (which must exist).
bool copyFolder(const QString &source, const QString &target);

QByteArray readBytes(const QString &path);

// The sample module of the repository, and a folder of the test modules in tests/data/modules.
QString sampleModuleFolder();
QString moduleFixture(const QString &name);

// The contents of troops.txt, party_templates.txt and parties.txt in folder, each name
// followed by suffix (".bak" for the backups).
QByteArrayList editedFiles(const QString &folder, const QString &suffix = {});

// Writes content to name in dir and returns the file's path.
QString writeFile(const QString &dir, const QString &name, const QByteArray &content);

} // namespace lancefall::testing
