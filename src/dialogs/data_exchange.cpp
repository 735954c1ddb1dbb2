#include "dialogs/data_exchange.h"

#include "dialogs/field_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>
#include <utility>

namespace dialogs {

void DataExchange::Number(QLineEdit* edit, double& value) {
    bindings_.push_back({[edit, &value] { edit->setText(NumberText(value)); },
                         [edit, &value] {
                             auto read = ReadNumber(edit);
                             if (read) value = *read;
                             return read.has_value();
                         }});
}

void DataExchange::Number(QLineEdit* edit, double& value, int decimals) {
    auto shown = std::make_shared<QString>();
    bindings_.push_back({[edit, &value, decimals, shown] {
                             *shown = DecimalText(value, decimals);
                             edit->setText(*shown);
                         },
                         [edit, &value, shown] {
                             if (edit->text() == *shown) return true;
                             auto read = ReadNumber(edit);
                             if (read) value = *read;
                             return read.has_value();
                         }});
}

void DataExchange::Integer(QLineEdit* edit, int& value) {
    bindings_.push_back({[edit, &value] { edit->setText(IntegerText(value)); },
                         [edit, &value] {
                             auto read = ReadInteger(edit);
                             if (read) value = *read;
                             return read.has_value();
                         }});
}

void DataExchange::Text(QLineEdit* edit, std::string& value) {
    bindings_.push_back({[edit, &value] { edit->setText(QString::fromStdString(value)); },
                         [edit, &value] {
                             value = edit->text().toStdString();
                             return true;
                         }});
}

void DataExchange::Text(QPlainTextEdit* edit, std::string& value) {
    bindings_.push_back({[edit, &value] { edit->setPlainText(QString::fromStdString(value)); },
                         [edit, &value] {
                             value = edit->toPlainText().toStdString();
                             return true;
                         }});
}

void DataExchange::Check(QAbstractButton* box, bool& value) {
    bindings_.push_back({[box, &value] { box->setChecked(value); },
                         [box, &value] {
                             value = box->isChecked();
                             return true;
                         }});
}

void DataExchange::Choice(QComboBox* combo, int& index) {
    bindings_.push_back({[combo, &index] {
                             combo->setCurrentIndex(index >= 0 && index < combo->count() ? index
                                                                                         : -1);
                         },
                         [combo, &index] {
                             index = combo->currentIndex();
                             return true;
                         }});
}

void DataExchange::Radio(std::vector<QAbstractButton*> group, int& index) {
    auto shared = std::make_shared<std::vector<QAbstractButton*>>(std::move(group));
    bindings_.push_back({[shared, &index] {
                             for (std::size_t i = 0; i < shared->size(); ++i) {
                                 QAbstractButton* button = (*shared)[i];
                                 // Exclusive groups refuse to clear their checked button.
                                 const bool exclusive = button->autoExclusive();
                                 button->setAutoExclusive(false);
                                 button->setChecked(static_cast<int>(i) == index);
                                 button->setAutoExclusive(exclusive);
                             }
                         },
                         [shared, &index] {
                             index = -1;
                             for (std::size_t i = 0; i < shared->size(); ++i)
                                 if ((*shared)[i]->isChecked()) index = static_cast<int>(i);
                             return true;
                         }});
}

void DataExchange::Custom(std::function<void()> load, std::function<bool()> store) {
    bindings_.push_back({std::move(load), std::move(store)});
}

void DataExchange::ToWidgets() const {
    for (const Binding& binding : bindings_) binding.load();
}

bool DataExchange::FromWidgets() const {
    for (const Binding& binding : bindings_)
        if (!binding.store()) return false;
    return true;
}

}  // namespace dialogs
