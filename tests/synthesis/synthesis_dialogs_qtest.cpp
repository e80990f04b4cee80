#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QtTest>

#include "app/FormDialog.h"
#include "display/PlotPainter.h"
#include "model/DialogPlacement.h"
#include "model/ScriptedPrompter.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"
#include "synthesis/CombineForm.h"
#include "synthesis/NewSegmentForm.h"
#include "synthesis/ShapeTable.h"

using namespace tlv;
using tlv::test::Messages;

// The New Segment and combine forms as real dialogs: focus, keys, the close box and the pictures.
class SynthesisDialogsTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter;
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<NewSegmentForm> form;
    std::unique_ptr<FormDialog> dialog;

    void showNewSegment()
    {
        ws->seg.SegKind = Shape::Sine;
        form = std::make_unique<NewSegmentForm>(*ws);
        dialog = std::make_unique<FormDialog>(*form);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    // 64 points of 2 V, the first column selected for Subtract.
    void selectForSubtract()
    {
        test::FillWaveform(*ws, std::vector<double>(64, 2.0));
        ws->edit.SelStartX = 0;
        ws->edit.SelEndX = 0;
        ws->seg.SubtractPending = true;
        ws->work.SelectAllActive = true;
    }

private slots:
    void init()
    {
        dialog.reset();
        form.reset();
        prompter.shown.clear();
        ws = std::make_unique<Workspace>();
        ws->prompter = &prompter;
        QVERIFY(ws->New());
    }

    void leavingABoxJudgesItButSwitchingWindowsDoesNot()
    {
        showNewSegment();
        auto* points = qobject_cast<QLineEdit*>(dialog->widgetOf("txtPoint"));
        QVERIFY(points);
        points->setFocus(Qt::TabFocusReason);
        points->setText(QString());
        QTest::keyClicks(points, "15");
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
        showNewSegment();
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
        showNewSegment();
        QTest::keyClick(dialog->widgetOf("txtPoint"), Qt::Key_Return);
        QVERIFY(form->isClosed());
        QCOMPARE(ws->edit.PointCount, 2000.0);
    }

    void combineIsCentredAndClosedByItsCloseBoxAsByCancel()
    {
        selectForSubtract();
        CombineForm combine(*ws, CombineOperation::Subtract);
        QWidget frame;
        frame.setGeometry(100, 80, 900, 700);
        FormDialog shown(combine, &frame);
        QCOMPARE(shown.pos(), CentredPosition(frame.frameGeometry(), combine.size()));
        shown.show();
        shown.reject();  // Escape or the window's close box
        QVERIFY(combine.isClosed());
    }

    void combinePicturesPaintTheirTraces()
    {
        selectForSubtract();
        prompter.setModalRunner([](DialogForm& segment) {
            segment.pick("cboWaveForm", "DC");
            segment.type("txtOffset", "-1.5");
            segment.click("cmdOK");
        });
        CombineForm combine(*ws, CombineOperation::Subtract);
        FormDialog shown(combine);
        auto near = [&shown](const QImage& image, const char* picture, double y) {
            const QPoint origin = shown.widgetOf(picture)->pos();
            return PaintedNear(image, origin.x() + 70, origin.y() + y, kTraceColour);
        };
        // Picture2 (the result) is blank until a standard wave is chosen; Picture1 shows the
        // selection, Picture3 the standard wave.
        const QImage before = shown.grab().toImage();
        QVERIFY(!near(before, "Picture2", 13.928));
        QVERIFY(near(before, "Picture1", 27.887));
        combine.click("optWave");
        const QImage after = shown.grab().toImage();
        QVERIFY(near(after, "Picture2", 13.928));
        QVERIFY(near(after, "Picture3", 60.443));
    }
};

QTEST_MAIN(SynthesisDialogsTest)
#include "synthesis_dialogs_qtest.moc"
