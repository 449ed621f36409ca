#pragma once

#include "App.Base.Form.Cadastro.h"

#include <cstdint>

class TDateEdit;
class TEdit;
class TLabel;
class TMemo;
class TReciboAvulsoPresenter;

// "RECIBO AVULSO": lists, issues, shows and removes stand-alone receipts (a receipt for a person
// with no title behind it) and prints them through the billing report window, after a save when
// the clerk wants it, or later from a row's side menu. A new receipt proposes today, the company
// chosen at login and that company's town. Opened from a menu by class name.
class TFormCadastroReciboAvulso final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroReciboAvulso(QWidget *AParent = nullptr);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelListaTipoRecibo;
    TEdit *EditListaTipoRecibo;
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelEmpresa;
    TEdit *EditEmpresa;
    TLabel *LabelMunicipio;
    TEdit *EditMunicipio;
    TLabel *LabelDescricao;
    TMemo *MemoDescricao;

    // The side menu of a row: a popup titled with the row's person and value whose "Impressão"
    // prints that receipt.
    void MenuLateralFrame(TFrameBaseAdapter *AFrame);

protected:
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    // Offers to print the receipt just saved. A failed print is shown by the save's handler; the
    // receipt stays saved.
    void afterSave() override;
    // A cleared receipt takes its proposed company and town as chosen records (their names
    // shown), not as bare ids.
    void afterClearForm() override;

private:
    TReciboAvulsoPresenter &presenter() const;
    // The receipt whose side menu was opened last.
    std::int64_t m_idMenuLateral = 0;
    // The proposals fixed when the fields were registered; empty for none.
    QString m_empresaPadrao;
    QString m_municipioPadrao;
};
