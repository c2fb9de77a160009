#pragma once
// The main window: the Particle and Target groups, the "Run Kelmo" button, the two chart pages, the status
// bar and the menu. Controls keep the names users of the original program know from its layout, and each
// event handler is named after its control and event (AddClick, ParAChange, ...).

#include <QWidget>
#include <string>
#include <vector>

#include "calc/CalculatorRun.h"

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace calc {
class CalculatorLauncher;
class ModuleState;
}  // namespace calc

namespace chart {
class ChartAxis;
class ResultChart;
}  // namespace chart

class TForm2;

class TForm1 : public QWidget, public calc::RunWindow {
    Q_OBJECT
public:
    // Builds the window, sets the initial texts and runs FormCreate. state and launcher must outlive it;
    // the program passes a launcher that finds kelmo beside its own executable, a test one of its own.
    TForm1(calc::ModuleState& state, const calc::CalculatorLauncher& launcher, QWidget* parent = nullptr);
    ~TForm1() override;

    // The About box that Help/About shows. Made after this window, so it is handed over afterwards.
    void SetAboutBox(TForm2* aboutBox);

    // What a calculation run changes in this window.
    void ReplaceComponentItems(const std::vector<std::string>& itemTexts) override;
    int ComponentCount() const override;
    void SelectComponent(int index) override;
    void SetTotalComponents(const std::string& text) override;
    void SetCurrentComponent(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    calc::SeriesSink& RangeSeries() override;
    calc::SeriesSink& DedxSeries() override;

    // The save dialog of File/Save, made when first needed so that it costs nothing at start-up.
    QFileDialog& SaveDialog();

    // Event handlers. None of them looks at which control raised its event.
    void FormCreate();
    void FormClose();
    void ParAChange();
    void ParZChange();
    void ParEChange();
    void Button6Click();
    void TargetAAAChange();
    void TargetZZZChange();
    void CompShareChange();
    void TargetDensityChange();
    void AddClick();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void ComboBox1Change();
    void Button2Click();
    void CheckBoxLogX1Click();
    void CheckBoxLogY1Click();
    void CheckBoxLogX2Click();
    void CheckBoxLogY2Click();
    void SaveClick();
    void ExitClick();
    void AboutClick();

signals:
    // The window has been closed and FormClose has run: the program is to end.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

public:
    // The controls, by the names of the layout, grouped by parent in the order they are made.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File = nullptr;
    QAction* Save = nullptr;
    QAction* Exit = nullptr;
    QMenu* Help = nullptr;
    QAction* About = nullptr;

    QFrame* Bevel1 = nullptr;

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* ParA = nullptr;
    QLineEdit* ParZ = nullptr;
    QLineEdit* ParE = nullptr;
    QPushButton* Button6 = nullptr;

    QStatusBar* StatusBar1 = nullptr;

    QGroupBox* Target = nullptr;
    QLabel* TarA = nullptr;
    QLabel* TarZ = nullptr;
    QLabel* Share = nullptr;
    QLabel* Density = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* TargetAAA = nullptr;
    QLineEdit* TargetZZZ = nullptr;
    QLineEdit* CompShare = nullptr;
    QPushButton* Add = nullptr;
    QLineEdit* TargetDensity = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QComboBox* ComboBox1 = nullptr;

    QPushButton* Button2 = nullptr;

    QTabWidget* Graph = nullptr;
    QWidget* Range = nullptr;
    chart::ResultChart* Chart1 = nullptr;
    QCheckBox* CheckBoxLogX1 = nullptr;
    QCheckBox* CheckBoxLogY1 = nullptr;
    QWidget* EX = nullptr;
    chart::ResultChart* Chart2 = nullptr;
    QCheckBox* CheckBoxLogX2 = nullptr;
    QCheckBox* CheckBoxLogY2 = nullptr;

private:
    // Construction, in Unit1Layout.cpp.
    void BuildMenu();
    void BuildClientArea();
    void BuildParticleGroup();
    void BuildTargetGroup();
    void BuildChartPages();
    void SetFocusOrder();
    void WireHandlers();
    void SetInitialTexts();

    // Runs one handler of this window with the exception display around it.
    void Handle(void (TForm1::*handler)());

    void PreviewCommandLine();
    void LogAxisBoxClicked(QCheckBox& box, chart::ChartAxis& axis);
    void ShowSelectedPosition();
    void ShowComponentCount();

    calc::ModuleState& state_;
    const calc::CalculatorLauncher& launcher_;
    TForm2* aboutBox_ = nullptr;
    QWidget* clientArea_ = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
};
