#include "res/all_templates.h"
#include "support/test_registry.h"

#include <QTest>

#include <algorithm>
#include <set>

Q_DECLARE_METATYPE(const kestrova::dialog::DialogTemplate*)

using namespace kestrova;
using namespace kestrova::dialog;

namespace {

bool isFrame(const ControlTemplate& c) {
    return c.kind == ControlKind::Frame || c.kind == ControlKind::GroupBox;
}

} // namespace

class TemplatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTemplate_data() {
        QTest::addColumn<const DialogTemplate*>("dialogTemplate");
        for (const DialogTemplate* t : res::allTemplates())
            QTest::addRow("%d", t->id) << t;
    }

    void everyTemplate() {
        QFETCH(const DialogTemplate*, dialogTemplate);
        const DialogTemplate& t = *dialogTemplate;
        const UnitRect window{0, 0, t.width, t.height};
        std::set<int> ids;
        for (const ControlTemplate& c : t.controls) {
            QVERIFY2(ids.insert(c.id).second,
                     qPrintable(QStringLiteral("control %1 twice").arg(c.id)));
            QVERIFY2(c.rect.width > 0 && c.rect.height > 0,
                     qPrintable(QStringLiteral("control %1 has no size").arg(c.id)));
            QVERIFY2(window.contains(c.rect),
                     qPrintable(QStringLiteral("control %1 leaves the window").arg(c.id)));
        }
        for (const ControlTemplate& c : t.controls) {
            if (c.labelFor != 0) {
                QCOMPARE(c.kind, ControlKind::Label);
                QVERIFY2(t.control(c.labelFor),
                         qPrintable(QStringLiteral("label %1 names no control").arg(c.id)));
            }
        }
        // Screen readers need a name for every list and edit: a label's or the template's own.
        QStringList unnamed;
        for (const ControlTemplate& c : t.controls) {
            if (c.kind != ControlKind::List && c.kind != ControlKind::Edit)
                continue;
            const bool labelled =
                std::any_of(t.controls.begin(), t.controls.end(),
                            [&c](const ControlTemplate& l) { return l.labelFor == c.id; });
            if (!labelled && c.accessibleName.isEmpty())
                unnamed << QString::number(c.id);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("no name: ") + unnamed.join(u' ')));
        for (std::size_t i = 0; i < t.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < t.controls.size(); ++j) {
                const ControlTemplate& a = t.controls[i];
                const ControlTemplate& b = t.controls[j];
                if (!a.rect.intersects(b.rect))
                    continue;
                const bool framed = (isFrame(a) && a.rect.contains(b.rect)) ||
                                    (isFrame(b) && b.rect.contains(a.rect));
                QVERIFY2(
                    framed,
                    qPrintable(QStringLiteral("controls %1 and %2 overlap").arg(a.id).arg(b.id)));
            }
        }
    }

    void theCheckFindsFaults() {
        // The overlap rule itself: a frame may hold a control, two controls may not share space.
        const UnitRect frame{10, 10, 100, 50}, inside{20, 20, 30, 10}, across{90, 20, 40, 10};
        QVERIFY(frame.contains(inside));
        QVERIFY(!frame.contains(across));
        QVERIFY(inside.intersects(frame));
        QVERIFY(!inside.intersects(UnitRect{50, 20, 10, 10}));
        QVERIFY(inside.intersects(UnitRect{49, 29, 10, 10}));
    }
};

KESTROVA_TEST(TemplatesTest)
#include "templates_test.moc"
