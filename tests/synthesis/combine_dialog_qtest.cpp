#include <QtTest>

#include "app/FormDialog.h"
#include "display/PlotPainter.h"
#include "model/DialogPlacement.h"
#include "model/ScriptedPrompter.h"
#include "support/ImageChecks.h"
#include "support/Prompts.h"
#include "synthesis/CombineForm.h"

using namespace tlv;

// A combine form shown as a real dialog; what its pictures hold is in the math scripts.
class CombineDialogTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter;
    std::unique_ptr<Workspace> ws;

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
        auto origin = [&dialog](const char* picture) { return dialog.widgetOf(picture)->pos(); };
        QCOMPARE(dialog.widgetOf("Picture2")->size(), QSize(140, 93));
        // Picture2 (the result) is blank until a standard wave is chosen; Picture1 shows the
        // selection, Picture3 the standard wave.
        const QImage before = dialog.grab().toImage();
        QVERIFY(!PaintedNear(before, origin("Picture2").x() + 70, origin("Picture2").y() + 13.928, kTraceColour));
        QVERIFY(PaintedNear(before, origin("Picture1").x() + 70, origin("Picture1").y() + 27.887, kTraceColour));
        form.click("optWave");
        const QImage after = dialog.grab().toImage();
        QVERIFY(PaintedNear(after, origin("Picture2").x() + 70, origin("Picture2").y() + 13.928, kTraceColour));
        QVERIFY(PaintedNear(after, origin("Picture3").x() + 70, origin("Picture3").y() + 60.443, kTraceColour));
    }
};

QTEST_MAIN(CombineDialogTest)
#include "combine_dialog_qtest.moc"
