#include <QFocusEvent>
#include <QLineEdit>
#include <QtTest>

#include "model/ScriptedPrompter.h"
#include "support/Prompts.h"
#include "app/FormDialog.h"
#include "model/Workspace.h"
#include "synthesis/DialogPlacement.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

using namespace tlv;
using tlv::test::Messages;

// The New Segment form shown as a real dialog.
class NewSegmentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void placedAboveTheFrameCentre()
    {
        Workspace ws;
        ws.seg.SegKind = Shape::Sine;
        NewSegmentForm form(ws);
        QWidget frame;
        frame.setGeometry(100, 80, 900, 700);
        FormDialog dialog(form, &frame);
        QCOMPARE(dialog.pos(), NewSegmentPosition(frame.frameGeometry(), form.size()));
    }

    void leavingABoxJudgesItButSwitchingWindowsDoesNot()
    {
        ScriptedPrompter prompter;
        Workspace ws;
        ws.prompter = &prompter;
        ws.seg.SegKind = Shape::Sine;
        NewSegmentForm form(ws);
        FormDialog dialog(form);
        auto* points = qobject_cast<QLineEdit*>(dialog.widgetOf("txtPoint"));
        QVERIFY(points);

        points->setText(QString());
        QTest::keyClicks(points, "15");
        QCOMPARE(form.control("txtPoint")->text, QString("15"));
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(points, &away);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(points, &popup);
        QVERIFY(prompter.shown.empty());

        QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(points, &tab);
        QCOMPARE(Messages(prompter.shown), QStringList{"TLV | Please enter an integer between 16 and 16383"});
        QCOMPARE(points->text(), QString("16"));
    }

    void enterInABoxPressesOk()
    {
        ScriptedPrompter prompter;
        Workspace ws;
        ws.prompter = &prompter;
        ws.New();
        ws.seg.SegKind = Shape::Dc;
        NewSegmentForm form(ws);
        FormDialog dialog(form);
        dialog.show();
        QTest::keyClick(dialog.widgetOf("txtPoint"), Qt::Key_Return);
        QVERIFY(form.isClosed());
        QCOMPARE(ws.edit.PointCount, 2000.0);
    }
};

QTEST_MAIN(NewSegmentDialogTest)
#include "new_segment_dialog_qtest.moc"
