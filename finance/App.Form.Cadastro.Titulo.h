#pragma once

#include "App.Base.Form.Cadastro.h"

#include <QString>

#include <cstdint>
#include <map>

class TCheckBox;
class TDateEdit;
class TEdit;
class TFormSubCadastroEmpresaTitulo;
class TFormSubCadastroParcelaTitulo;
class TFormSubCadastroPlanoContasTitulo;
class TFrameBaseAdapter;
class TLabel;
class TLayout;
class TMemo;
class TTituloPresenter;

// "Título": lists the instalments of receivable and payable titles with filters by type, period,
// settlement and company; registers, edits and removes titles with their instalments, company
// shares and chart-of-accounts shares; enters a simplified title on one page (company, chart of
// accounts, first due date and number of instalments) from which the presenter builds the
// children; marks instalments for settlement and hands them to the settlement dialog; and asks
// for an instalment's boleto from the row's side menu. A title is removed as a batch
// cancellation with the reason the user gives. Opened from a menu by class name.
class TFormCadastroTitulo final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroTitulo(QWidget *AParent = nullptr);
    ~TFormCadastroTitulo() override;

    // List tab.
    TSpeedButton *SpeedButtonTituloSimplificado;
    TLabel *LabelFilterListaTipoTitulo;
    TEdit *EditFilterListaTipoTitulo;
    TLabel *LabelFilterDataInicial;
    TDateEdit *DateEditFilterDataInicial;
    TLabel *LabelFilterDataFinal;
    TDateEdit *DateEditFilterDataFinal;
    TCheckBox *CheckBoxFilterApenasBaixado;
    TLabel *LabelFilterEmpresa;
    TEdit *EditFilterEmpresa;
    TRectangle *RectangleButtonsFooter;
    TRectangle *RectangleBaixaFinanceira;
    TLabel *LabelBaixaFinanceira;

    // Record tab, by line.
    TLayout *LayoutLinha1;
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelListaTipoTitulo;
    TEdit *EditListaTipoTitulo;
    TLabel *LabelDataVencimento;
    TDateEdit *DateEditDataVencimento;
    TLayout *LayoutLinha2;
    TLabel *LabelTipoDocumento;
    TEdit *EditTipoDocumento;
    TLayout *LayoutLinha3;
    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLayout *LayoutLinha4;
    TLabel *LabelNumeroDocumento;
    TEdit *EditNumeroDocumento;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelDocumentoPagamento;
    TEdit *EditDocumentoPagamento;
    TLabel *LabelQuantidadeParcelas;
    TEdit *EditQuantidadeParcelas;
    TLayout *LayoutLinha5;
    TLabel *LabelDescricao;
    TMemo *MemoDescricao;
    TLayout *LayoutLinha6;
    TLabel *LabelPlanoContas;
    TEdit *EditPlanoContas;
    TLayout *LayoutLinha7;
    TLabel *LabelEmpresa;
    TEdit *EditEmpresa;

    // The sub-forms, children of the window.
    TFormSubCadastroEmpresaTitulo *FormEmpresaTitulo = nullptr;
    TFormSubCadastroParcelaTitulo *FormParcelaTitulo = nullptr;
    TFormSubCadastroPlanoContasTitulo *FormPlanoContasTitulo = nullptr;

    // The marked instalments and their title type codes.
    const std::map<std::int64_t, QString> &ListaIdsMarcados() const { return FListaIdsMarcados; }
    bool IsTituloSimplificado() const { return FIsTituloSimplificado; }

    // Enters a simplified title (needs the insert permission).
    void SpeedButtonTituloSimplificadoClick();
    // Hands the marked instalments to the settlement dialog.
    void RectangleBaixaFinanceiraClick();
    // Leaves simplified mode, then the base "Novo".
    void SpeedButtonNovoTituloClick(QObject *Sender);

    void ApplyThemeApp() override;
    void executeNovo(QObject *Sender) override;
    void executeEditar(QObject *Sender) override;
    void executeVisualizar(QObject *Sender) override;
    void enablePanelFilter() override;
    void fillListFilterControl() override;

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void afterFormCreate() override;
    void fillTopText() override;
    void afterClearForm() override;
    void fillPaginate() override;
    void beforeSave() override;
    void afterSave() override;

private:
    TTituloPresenter &presenter() const;
    // The code ("R", "D") of the type chosen in "Tipo Título"; empty for none.
    QString codigoTipoTitulo() const;
    // "Valor" as a number (thousands points dropped, decimal comma; empty is 0).
    double valorTitulo() const;
    void aplicarLayoutModo();
    void sairModoSimplificado();
    // A group shown: proposes the first row of an empty child list.
    void OpenNewRecord(TMemTable &ADataSet, TFormBaseMetodoCadastro *AForm, bool AIsParcela);
    void marcarParcela(TFrameBaseAdapter *AFrame);
    void menuLateral(TFrameBaseAdapter *AFrame);
    void clickVisualizarBoleto();
    void clickGerarBoleto();
    void procExcluirFrame(TFrameBaseAdapter *AFrame);

    std::map<std::int64_t, QString> FListaIdsMarcados;
    bool FIsTituloSimplificado = false;
    std::int64_t FIdTituloSalvo = 0;
    std::int64_t FIdParcelaTitulo = 0;
    bool FIsBaixadoTotal = false;
    QString FTipoTitulo;
};
