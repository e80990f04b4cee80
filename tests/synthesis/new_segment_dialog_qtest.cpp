#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QtTest>

#include "app/FormDialog.h"
#include "model/ScriptedPrompter.h"
#include "model/Workspace.h"
#include "support/Prompts.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

using namespace tlv;
using tlv::test::Messages;

// The New Segment form shown as a real dialog: what only its widgets' focus and keys decide.
class NewSegmentDialogTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter;
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<NewSegmentForm> form;
    std::unique_ptr<FormDialog> dialog;

private slots:
    void init()
    {
        dialog.reset();
        form.reset();
        prompter.shown.clear();
        ws = std::make_unique<Workspace>();
        ws->prompter = &prompter;
        ws->New();
        ws->seg.SegKind = Shape::Sine;
        form = std::make_unique<NewSegmentForm>(*ws);
        dialog = std::make_unique<FormDialog>(*form);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }

    void leavingABoxJudgesItButSwitchingWindowsDoesNot()
    {
        auto* points = qobject_cast<QLineEdit*>(dialog->widgetOf("txtPoint"));
        QVERIFY(points);
        points->setFocus(Qt::TabFocusReason);
        points->setText(QString());
        QTest::keyClicks(points, "15");
        QCOMPARE(form->control("txtPoint")->text, QString("15"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(prompter.shown.empty());

        QApplication::setActiveWindow(dialog.get());
        points->setFocus(Qt::TabFocusReason);
        dialog->widgetOf("txtAmplitude")->setFocus(Qt::TabFocusReason);
        QCOMPARE(Messages(prompter.shown), QStringList{"TLV | Please enter an integer between 16 and 16383"});
        QCOMPARE(points->text(), QString("16"));
    }

    void openingTheWaveformListIsNotLeavingIt()
    {
        auto* list = qobject_cast<QComboBox*>(dialog->widgetOf("cboWaveForm"));
        QVERIFY(list);
        list->setFocus(Qt::TabFocusReason);
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), "Sawtooth");
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = true;
        const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxArrow, list);
        QTest::mouseClick(list, Qt::LeftButton, {}, arrow.center());
        QVERIFY(list->view()->isVisible());
        QVERIFY(prompter.shown.empty());

        list->hidePopup();
        dialog->widgetOf("txtPoint")->setFocus(Qt::TabFocusReason);
        QCOMPARE(Messages(prompter.shown), QStringList{"TLV | Waveform Input Error!!!"});
    }

    void enterInABoxPressesOk()
    {
        QTest::keyClick(dialog->widgetOf("txtPoint"), Qt::Key_Return);
        QVERIFY(form->isClosed());
        QCOMPARE(ws->edit.PointCount, 2000.0);
    }
};

QTEST_MAIN(NewSegmentDialogTest)
#include "new_segment_dialog_qtest.moc"
