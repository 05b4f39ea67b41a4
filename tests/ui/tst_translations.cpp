#include "troops/troop_record.h"
#include "workspace/record_kind.h"

#include <QTest>
#include <QTranslator>

using namespace lancefall;
using namespace Qt::StringLiterals;

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // The translations built into the window translate the form's captions and the core's
    // texts, which follow the translator installed when they are asked for.
    void builtInTranslationsReachFormAndCore()
    {
        QTranslator english;
        QVERIFY(english.load(u":/translations/lancefall_en.qm"_s));
        QCOMPARE(english.translate("MainWindow", "浏览....."), u"Browse…"_s);
        QTranslator chinese;
        QVERIFY(chinese.load(u":/translations/lancefall_zh_CN.qm"_s));
        QCoreApplication::installTranslator(&chinese);
        const QStringList translated{skillName(Skill::Ironflesh), pleaseSelect(RecordKind::Troop)};
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(translated, (QStringList{u"铁骨"_s, u"请从列表中选择一个兵种"_s}));
        QCOMPARE(skillName(Skill::Ironflesh), u"Ironflesh"_s);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
