#include "i18n/language.h"
#include "mms/mms_fields.h"
#include "plan/setting_lines.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;

// On the Japanese settings sheet, the list of modes (Auto, Manual) is the mode and the list of
// what is sent (Off, VGA, SMS) the status, as in the form; the original had them swapped.
class MmsCaptionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void japaneseModeAndStatus() {
        for (const auto& [form, model] : {std::pair{MmsForm::A, 7}, std::pair{MmsForm::B, 1}}) {
            const auto lines = plan::mmsLines({form, model, {}}, i18n::Japanese);
            const auto& fields = mms::mmsFields();
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (fields[i].id == mms::MmsField::Mode)
                    QCOMPARE(lines[i].caption, QStringLiteral("MMS モード"));
                if (fields[i].id == mms::MmsField::Status)
                    QCOMPARE(lines[i].caption, QStringLiteral("MMSステータス"));
            }
        }
    }
};

KESTROVA_TEST(MmsCaptionsTest)
#include "mms_captions_test.moc"
