#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_fields.h"
#include "plan/setting_lines.h"
#include "res/mms_templates.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;

Q_DECLARE_METATYPE(kestrova::MmsForm)

namespace {

QString captionOf(const QList<i18n::ControlCaption>& captions, int control) {
    for (const i18n::ControlCaption& caption : captions) {
        if (caption.controlId == control)
            return caption.text;
    }
    return {};
}

} // namespace

// Japanese names the list of modes (Auto, Manual) a mode and the list of what is sent (Off,
// VGA, SMS) a status, in the form and on the settings sheet.
class MmsCaptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void japaneseModeAndStatus_data() {
        QTest::addColumn<MmsForm>("form");
        QTest::addColumn<int>("model");
        QTest::newRow("form A") << MmsForm::A << 7;
        QTest::newRow("form B") << MmsForm::B << 1;
    }
    void japaneseModeAndStatus() {
        QFETCH(MmsForm, form);
        QFETCH(int, model);
        const QString mode = QStringLiteral("モード");
        const QString status = QStringLiteral("ステータス");
        const auto captions = i18n::mmsCaptions(form, i18n::Japanese);
        QVERIFY(captionOf(captions, res::mms_form::modeLabel).contains(mode));
        QVERIFY(captionOf(captions, res::mms_form::statusLabel).contains(status));

        const auto lines = plan::mmsLines({form, model, {}}, i18n::Japanese);
        const auto& fields = mms::mmsFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].id == mms::MmsField::Mode)
                QVERIFY2(lines[i].caption.contains(mode) && !lines[i].caption.contains(status),
                         qPrintable(lines[i].caption));
            if (fields[i].id == mms::MmsField::Status)
                QVERIFY2(lines[i].caption.contains(status) && !lines[i].caption.contains(mode),
                         qPrintable(lines[i].caption));
        }
    }
};

KESTROVA_TEST(MmsCaptionsTest)
#include "mms_captions_test.moc"
