#include "App.Adapter.Frame.FormularioPerfilPermissao.h"

#include "App.Presenter.FormularioPerfilPermissao.h"

#include "CheckBox.h"
#include "Label.h"
#include "MemTable.h"
#include "Shapes.h"
#include "SpeedButton.h"

TFormularioPerfilPermissaoFrameAdapter::TFormularioPerfilPermissaoFrameAdapter(QWidget *AOwner,
                                                                               const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    setHeight(85);
    SpeedButtonView->setVisible(false);
    SpeedButtonEdit->setStyleLookup(QStringLiteral("arrowdowntoolbutton"));
    LabelFormulario = AddHeadline(u"LabelFormulario", u"FORMULARIO");

    // Two lines of four, under the window's name.
    auto box = [this](TCheckBox *&ABox, const char *AName, const char *AText, int AIndex) {
        ABox = new TCheckBox(LayoutBackground, QString::fromLatin1(AName));
        ABox->setText(QString::fromUtf8(AText));
        ABox->setGeometry(184 + (AIndex % 4) * 140, 36 + (AIndex / 4) * 22, 136, 20);
    };
    box(CheckBoxInserir, "CheckBoxInserir", "Inserir", 0);
    box(CheckBoxEditar, "CheckBoxEditar", "Editar", 1);
    box(CheckBoxRemover, "CheckBoxRemover", "Remover", 2);
    box(CheckBoxMovimentar, "CheckBoxMovimentar", "Movimentar", 3);
    box(CheckBoxVisualizar, "CheckBoxVisualizar", "Visualizar", 4);
    box(CheckBoxPermissaoExtra1, "CheckBoxPermissaoExtra1", "Permissão Extra 1", 5);
    box(CheckBoxPermissaoExtra2, "CheckBoxPermissaoExtra2", "Permissão Extra 2", 6);
    box(CheckBoxPermissaoExtra3, "CheckBoxPermissaoExtra3", "Permissão Extra 3", 7);
    SetupLabels();
}

std::array<TCheckBox *, 8> TFormularioPerfilPermissaoFrameAdapter::CheckBoxes() const
{
    return { CheckBoxInserir,         CheckBoxEditar,         CheckBoxRemover,
             CheckBoxMovimentar,      CheckBoxVisualizar,     CheckBoxPermissaoExtra1,
             CheckBoxPermissaoExtra2, CheckBoxPermissaoExtra3 };
}

std::array<bool, 8> TFormularioPerfilPermissaoFrameAdapter::Flags() const
{
    std::array<bool, 8> flags {};
    const auto boxes = CheckBoxes();
    for (std::size_t index = 0; index < boxes.size(); ++index)
        flags[index] = boxes[index]->isChecked();
    return flags;
}

void TFormularioPerfilPermissaoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    FIdFormulario = ADataSet.FieldByName(QStringLiteral("ID_FORMULARIO"))->AsLargeInt();
    if (ADataSet.FieldByName(QStringLiteral("ID"))->AsLargeInt() == 0)
        RectangleColorStatus->setFillColor(ColorSemRegistro);
    const auto boxes = CheckBoxes();
    const auto &columns = TFormularioPerfilPermissaoPresenter::FlagColumns();
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        boxes[index]->setChecked(ADataSet.FieldByName(columns[index])->AsBoolean());
        boxes[index]->OnClick = [this](QObject *) { CheckBoxInserirChange(); };
    }
}

void TFormularioPerfilPermissaoFrameAdapter::CheckBoxInserirChange()
{
    if (ProcCheckboxClick)
        ProcCheckboxClick(this);
}
