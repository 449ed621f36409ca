#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <QString>

class TLabel;
class TSpeedButton;

// A row of the occurrence list: where the change was made, the record's id, when, who, and what
// happened. Occurrences are never edited or removed, so the row's only button shows the
// occurrence's full text (ProcVisualizarAlteracoes).
class TOcorrenciaFrameAdapter final : public TFrameBaseAdapterCadastro
{
public:
    explicit TOcorrenciaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelLocalAlteracao;
    TLabel *LabelTitleIDObjeto;
    TLabel *LabelIDObjeto;
    TLabel *LabelTitleDataCadastro;
    TLabel *LabelDataCadastro;
    TLabel *LabelTitleUsuario;
    TLabel *LabelUsuario;
    TLabel *LabelTitleOcorrencia;
    TLabel *LabelOcorrencia;
    TSpeedButton *SpeedButtonVisualizarAlteracoes;

    const QString &Ocorrencia() const { return FOcorrencia; }
    void SetOcorrencia(const QString &Value) { FOcorrencia = Value; }
    const TProcFrame &ProcVisualizarAlteracoes() const { return FProcVisualizarAlteracoes; }
    void SetProcVisualizarAlteracoes(TProcFrame Value)
    {
        FProcVisualizarAlteracoes = std::move(Value);
    }

    void SpeedButtonVisualizarAlteracoesClick();

    // What the row says happened: "Registro alterado" for a change, else the occurrence's own
    // text; then each flag that holds, in this order, overrides it: removed, manual, new.
    static QString DescricaoOcorrencia(bool AIsRegistroAlterado,
                                       bool AIsRegistroRemovido,
                                       bool AIsOcorrenciaManual,
                                       bool AIsNovoRegistro,
                                       const QString &AOcorrencia);

protected:
    // The occurrence's text and what the row says happened, from its flags.
    void fillRow(const TMemTable &ADataSet) override;

private:
    TProcFrame FProcVisualizarAlteracoes;
    QString FOcorrencia;
};
