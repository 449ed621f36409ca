#pragma once

#include "App.Form.SubCadastro.Base.Titulo.h"

// "Plano Contas": the shares per chart-of-accounts entry of the title being edited. A revenue
// title ("R") chooses among the entries of type "C", every other among those of type "D".
class TFormSubCadastroPlanoContasTitulo final : public TFormBaseSubCadastroTitulo
{
public:
    explicit TFormSubCadastroPlanoContasTitulo(QWidget *AParent = nullptr);

    TLabel *LabelPlanoContas;
    TEdit *EditPlanoContas;

    // The code of the title's type ("R" or "D"); set by the title window before the group shows.
    const QString &TipoTitulo() const { return m_tipoTitulo; }
    void SetTipoTitulo(const QString &AValue) { m_tipoTitulo = AValue; }
    // The chart-of-accounts type a title of that type chooses from.
    static QString FiltroPlanoContas(const QString &ATipoTitulo);

protected:
    double findValorInDataSet() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;

private:
    QString m_tipoTitulo;
};
