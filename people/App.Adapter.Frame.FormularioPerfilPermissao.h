#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <array>
#include <cstdint>

class TCheckBox;

// A row of a profile's permissions: one window of the system with its eight check boxes. The
// edit button ticks or clears the whole row, the remove button clears it; a window the profile
// has no stored row for is marked red. Building the row writes nothing back: the boxes are set
// before their handler is attached.
class TFormularioPerfilPermissaoFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    static constexpr TAlphaColor ColorSemRegistro = 0xFFFF0000;

    explicit TFormularioPerfilPermissaoFrameAdapter(QWidget *AOwner = nullptr,
                                                    const QString &name = {});

    TLabel *LabelFormulario;
    TCheckBox *CheckBoxInserir;
    TCheckBox *CheckBoxEditar;
    TCheckBox *CheckBoxRemover;
    TCheckBox *CheckBoxMovimentar;
    TCheckBox *CheckBoxVisualizar;
    TCheckBox *CheckBoxPermissaoExtra1;
    TCheckBox *CheckBoxPermissaoExtra2;
    TCheckBox *CheckBoxPermissaoExtra3;

    // Runs when the person changes any of the eight boxes.
    TProcFrame ProcCheckboxClick;

    // The window the row stands for (its ID_FORMULARIO).
    std::int64_t IdFormulario() const { return FIdFormulario; }
    // The eight boxes in the order of the flag columns (INSERIR ... PERMISSAO_EXTRA3).
    std::array<TCheckBox *, 8> CheckBoxes() const;
    std::array<bool, 8> Flags() const;

    void CheckBoxInserirChange();

protected:
    void fillRow(const TMemTable &ADataSet) override;

private:
    std::int64_t FIdFormulario = 0;
};
