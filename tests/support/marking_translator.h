#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace lancefall::testing {

// Translates every text into itself in brackets, so that a test sees which texts went
// through the translation and which were glued on outside it. Installed for its lifetime.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char *, const char *source, const char *, int) const override
    {
        return u'[' + QString::fromUtf8(source) + u']';
    }
    bool isEmpty() const override { return false; }
};

} // namespace lancefall::testing
