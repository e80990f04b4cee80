#include <QtTest>

#include "app/FormDialog.h"
#include "display/PlotPainter.h"
#include "model/ScriptedPrompter.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"
#include "synthesis/CombineForm.h"
#include "model/DialogPlacement.h"
#include "synthesis/NewSegmentForm.h"

using namespace tlv;

// A combine form shown as a real dialog.
class CombineDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ws = std::make_unique<Workspace>();
        ws->prompter = &prompter;
        QVERIFY(ws->New());
        test::FillWaveform(*ws, std::vector<double>(64, 2.0));
        ws->edit.SelStartX = 0;
        ws->edit.SelEndX = 0;
        ws->seg.SubtractPending = true;
        ws->work.SelectAllActive = true;
    }

    void centredAndClosedByItsCloseBoxAsByCancel()
    {
        CombineForm form(*ws, CombineOperation::Subtract);
        QWidget frame;
        frame.setGeometry(100, 80, 900, 700);
        FormDialog dialog(form, &frame);
        QCOMPARE(dialog.pos(), CentredPosition(frame.frameGeometry(), form.size()));
        QCOMPARE(dialog.windowTitle(), QString("Subtract"));
        dialog.show();
        dialog.reject();  // Escape or the window's close box
        QVERIFY(form.isClosed());
        QVERIFY(!ws->seg.SubtractPending);
        QVERIFY(!ws->work.SelectAllActive);
        QCOMPARE(ws->edit.WaveText[0], std::string("+2.000000E+00"));
    }

    void picturesPaintTheirTraces()
    {
        prompter.setModalRunner([](DialogForm& segment) {
            segment.pick("cboWaveForm", "DC");
            segment.type("txtOffset", "-1.5");
            segment.click("cmdOK");
        });
        CombineForm form(*ws, CombineOperation::Subtract);
        FormDialog dialog(form);
        QImage before = dialog.grab().toImage();
        QWidget* result = dialog.widgetOf("Picture2");
        QVERIFY(result);
        QCOMPARE(result->size(), QSize(140, 93));
        const QPoint origin = result->pos();
        // Picture2 is blank until a standard wave is chosen; Picture1 shows the selection.
        QVERIFY(!PaintedNear(before, origin.x() + 70, origin.y() + 13.928, kTraceColour));
        const QPoint selection = dialog.widgetOf("Picture1")->pos();
        QVERIFY(PaintedNear(before, selection.x() + 70, selection.y() + 27.887, kTraceColour));

        form.click("optWave");
        QImage after = dialog.grab().toImage();
        QVERIFY(PaintedNear(after, origin.x() + 70, origin.y() + 13.928, kTraceColour));
        const QPoint standard = dialog.widgetOf("Picture3")->pos();
        QVERIFY(PaintedNear(after, standard.x() + 70, standard.y() + 60.443, kTraceColour));
    }

private:
    ScriptedPrompter prompter;
    std::unique_ptr<Workspace> ws;
};

QTEST_MAIN(CombineDialogTest)
#include "combine_dialog_qtest.moc"
