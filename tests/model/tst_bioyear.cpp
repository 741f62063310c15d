// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/BioYear.h"

#include <QTest>

#include <climits>

class TestBioYear : public QObject
{
    Q_OBJECT

private slots:
    void curveHeights_data();
    void curveHeights();
    void columnCountsFromTheBirthday_data();
    void columnCountsFromTheBirthday();
    void readingSpansMinusOneToOne_data();
    void readingSpansMinusOneToOne();
};

void TestBioYear::curveHeights_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("height");
    QTest::newRow("birthday on the centre line") << 0 << 32;
    QTest::newRow("odd column is the mean of its neighbours") << 1 << 29;
    QTest::newRow("highest sample") << 14 << 5;
    QTest::newRow("odd mean is truncated") << 17 << 6;
    QTest::newRow("lowest sample") << 44 << 59;
    QTest::newRow("last even column") << 364 << 38;
    QTest::newRow("last column reads sample 183") << 365 << 36;
    QTest::newRow("column 366 reads sample 183") << 366 << 35;
    QTest::newRow("column 369 is past the table and reduced") << 369 << 24;
    QTest::newRow("column -1 is the last column") << -1 << 36;
    QTest::newRow("negative remainder") << -366 << 32;
    QTest::newRow("two years on") << 731 << 36;
    QTest::newRow("smallest int") << INT_MIN << 30;
    QTest::newRow("largest int") << INT_MAX << 32;
}

void TestBioYear::curveHeights()
{
    QFETCH(int, column);
    QFETCH(int, height);
    QCOMPARE(BioYearCurve(column), height);
}

void TestBioYear::columnCountsFromTheBirthday_data()
{
    QTest::addColumn<int>("dayOfYear");
    QTest::addColumn<int>("birthday");
    QTest::addColumn<int>("column");
    QTest::newRow("the birthday") << 100 << 100 << 0;
    QTest::newRow("the day after") << 101 << 100 << 1;
    QTest::newRow("the day before wraps to the year's end") << 99 << 100 << 365;
    QTest::newRow("1 January after a New Year's Eve birthday") << 1 << 366 << 1;
}

void TestBioYear::columnCountsFromTheBirthday()
{
    QFETCH(int, dayOfYear);
    QFETCH(int, birthday);
    QFETCH(int, column);
    QCOMPARE(BioYearColumn(dayOfYear, birthday), column);
}

void TestBioYear::readingSpansMinusOneToOne_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<float>("reading");
    QTest::newRow("centre line") << 0 << 0.0f;
    QTest::newRow("highest sample") << 14 << 1.0f;
    QTest::newRow("lowest sample") << 44 << -1.0f;
    QTest::newRow("three pixels up") << 1 << 0.11111111f;
}

void TestBioYear::readingSpansMinusOneToOne()
{
    QFETCH(int, column);
    QFETCH(float, reading);
    QVERIFY(std::abs(BioYearReading(column) - reading) < 1e-6f);
}

QTEST_APPLESS_MAIN(TestBioYear)
#include "tst_bioyear.moc"
