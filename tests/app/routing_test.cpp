#include "app/camera_models.h"
#include "app/routing.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova;
using namespace kestrova::app;

class RoutingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void routing_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("camera");
        QTest::addColumn<int>("mms");
        QTest::addColumn<int>("smtp");
        QTest::addColumn<bool>("smtpEnabled");
        const int A = 0, B = 1, C = 2;
        QTest::newRow("1") << 1 << "Kes LambdaM" << C << B << A << false;
        QTest::newRow("2") << 2 << "Kes RhoM" << B << A << A << false;
        QTest::newRow("3") << 3 << "Kes LambdaMG" << C << B << A << true;
        QTest::newRow("4") << 4 << "Kes RhoMG" << B << A << B << true;
        QTest::newRow("5") << 5 << "Kes KappaMG" << C << B << A << true;
        QTest::newRow("6") << 6 << "Kes OmegaMG" << A << B << A << true;
        QTest::newRow("7") << 7 << "Kes SigmaMG" << B << A << B << true;
        QTest::newRow("out of range") << 9 << "" << C << B << A << true;
    }
    void routing() {
        QFETCH(int, model);
        QFETCH(QString, name);
        QFETCH(int, camera);
        QFETCH(int, mms);
        QFETCH(int, smtp);
        QFETCH(bool, smtpEnabled);
        QCOMPARE(modelName(model), name);
        QCOMPARE(static_cast<int>(cameraFormFor(model)), camera);
        QCOMPARE(static_cast<int>(mmsFormFor(model)), mms);
        QCOMPARE(static_cast<int>(smtpFormFor(model)), smtp);
        QCOMPARE(hasSmtp(model), smtpEnabled);
    }
};

KESTROVA_TEST(RoutingTest)
#include "routing_test.moc"
