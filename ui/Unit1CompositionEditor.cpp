// The Target group: adding, picking, deleting and clearing the components of the target. The component
// list ComboBox1 shows one item per entry of the composition, at the same position.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "FieldText.h"
#include "LabelText.h"
#include "Unit1.h"
#include "calc/Composition.h"
#include "calc/ModuleState.h"

void TForm1::ShowComponentCount() { ui::SetLabelText(*Label4, QString::number(ComboBox1->count())); }

// The selected position counted from 1; 0 when nothing is selected.
void TForm1::ShowSelectedPosition() { ui::SetLabelText(*Label7, QString::number(ComboBox1->currentIndex() + 1)); }

void TForm1::AddClick() {
    const calc::AddComponentResult added = calc::AddComponent(
        state_.CompositionList, ui::FieldText(*TargetAAA), ui::FieldText(*TargetZZZ), ui::FieldText(*CompShare));
    // One message per failed check, A then Z then W: the last one stays in view.
    for (const std::string& message : added.messages) SetStatusText(message);
    if (!added.Accepted()) return;

    ComboBox1->addItem(QString::fromStdString(added.itemText));
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
    ShowComponentCount();
    ShowSelectedPosition();
}

// Empties the three component fields and selects the last item. The "Current component" counter is left
// as it was, so it can show another position than the one now selected.
void TForm1::Button3Click() {
    TargetAAA->setText(QString());
    TargetZZZ->setText(QString());
    CompShare->setText(QString());
    ShowComponentCount();
    ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
}

// Deletes the selected component; afterwards the last one is selected. With nothing selected nothing is
// deleted.
void TForm1::Button4Click() {
    const int selected = ComboBox1->currentIndex();
    if (selected >= 0) {
        calc::DeleteComponent(state_.CompositionList, selected);
        ComboBox1->removeItem(selected);
        ShowComponentCount();
        ComboBox1->repaint();
        ComboBox1->setCurrentIndex(ComboBox1->count() - 1);
        ComboBox1->repaint();
    }
    if (ComboBox1->count() == 0) ComboBox1->clear();
    ShowSelectedPosition();
}

// Empties the whole group: the density, the component fields, the list and the composition.
void TForm1::Button5Click() {
    TargetDensity->setText(QString());
    TargetAAA->setText(QString());
    TargetZZZ->setText(QString());
    CompShare->setText(QString());
    ComboBox1->clear();
    ShowComponentCount();
    ShowSelectedPosition();
    calc::ClearComponents(state_.CompositionList);
}

void TForm1::ComboBox1Change() { ShowSelectedPosition(); }

// Typing in the Target group neither checks nor previews anything: the fields are read by Add and Run.
void TForm1::TargetAAAChange() {}
void TForm1::TargetZZZChange() {}
void TForm1::CompShareChange() {}
void TForm1::TargetDensityChange() {}
