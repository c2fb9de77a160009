// The calculation side of the main window: the command-line preview, Run, File/Save, the LogX/LogY boxes
// and what a run changes in the window.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStringList>

#include "FieldText.h"
#include "LabelText.h"
#include "Unit1.h"
#include "calc/CommandLine.h"
#include "calc/ModuleState.h"
#include "ui/chart/LogAxisSwitch.h"
#include "ui/chart/ResultChart.h"

// Every change of the particle shows the command that Run would start.
void TForm1::PreviewCommandLine() {
    state_.CommandLine = calc::BuildCommandLine(ui::FieldText(*ParA), ui::FieldText(*ParE), ui::FieldText(*ParZ),
                                                state_.CompositionArgs, ui::FieldText(*TargetDensity));
    SetStatusText(state_.CommandLine);
}

void TForm1::ParAChange() { PreviewCommandLine(); }
void TForm1::ParZChange() { PreviewCommandLine(); }
void TForm1::ParEChange() { PreviewCommandLine(); }

// Blocks until the calculator has ended; the charts are drawn once control is back in the event loop.
void TForm1::Button2Click() {
    const calc::RequestFields fields{ui::FieldText(*ParA), ui::FieldText(*ParE), ui::FieldText(*ParZ),
                                     ui::FieldText(*TargetDensity)};
    calc::RunCalculation(state_, fields, *this, launcher_);
}

QFileDialog& TForm1::SaveDialog() {
    if (SaveDialog1 == nullptr) {
        SaveDialog1 = new QFileDialog(this);
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setFileMode(QFileDialog::AnyFile);
        // The first filter is in force when the dialog opens; "All files" matches names without a dot too.
        SaveDialog1->setNameFilters({QStringLiteral("data files -  *.dat;*.txt (*.dat *.txt)"),
                                     QStringLiteral("All files (*)")});
        // An existing file is replaced without a question, and a typed name is taken as typed.
        SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite, true);
        SaveDialog1->setDefaultSuffix(QString());
    }
    return *SaveDialog1;
}

void TForm1::SaveClick() {
    QFileDialog& dialog = SaveDialog();
    if (dialog.exec() != QDialog::Accepted) return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return;
    if (const auto problem = calc::SaveResultCopy(state_, chosen.front().toStdString())) SetStatusText(*problem);
}

void TForm1::LogAxisBoxClicked(QCheckBox& box, chart::ChartAxis& axis) {
    chart::LogAxisBoxClicked(box, axis, [this](const QString& text) { StatusBar1->showMessage(text); });
}

void TForm1::CheckBoxLogX1Click() { LogAxisBoxClicked(*CheckBoxLogX1, Chart1->BottomAxis()); }
void TForm1::CheckBoxLogY1Click() { LogAxisBoxClicked(*CheckBoxLogY1, Chart1->LeftAxis()); }
void TForm1::CheckBoxLogX2Click() { LogAxisBoxClicked(*CheckBoxLogX2, Chart2->BottomAxis()); }
void TForm1::CheckBoxLogY2Click() { LogAxisBoxClicked(*CheckBoxLogY2, Chart2->LeftAxis()); }

// Replacing the items never runs ComboBox1Change: that handler answers the user's picks only.
void TForm1::ReplaceComponentItems(const std::vector<std::string>& itemTexts) {
    ComboBox1->clear();
    for (const std::string& text : itemTexts) ComboBox1->addItem(QString::fromStdString(text));
    ComboBox1->setCurrentIndex(-1);
}

int TForm1::ComponentCount() const { return ComboBox1->count(); }

void TForm1::SelectComponent(int index) { ComboBox1->setCurrentIndex(index); }

void TForm1::SetTotalComponents(const std::string& text) {
    ui::SetLabelText(*Label4, QString::fromStdString(text));
}

void TForm1::SetCurrentComponent(const std::string& text) {
    ui::SetLabelText(*Label7, QString::fromStdString(text));
}

void TForm1::SetStatusText(const std::string& text) { StatusBar1->showMessage(QString::fromStdString(text)); }

calc::SeriesSink& TForm1::RangeSeries() { return Chart1->Series(); }
calc::SeriesSink& TForm1::DedxSeries() { return Chart2->Series(); }
