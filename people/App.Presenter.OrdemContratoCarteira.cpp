#include "App.Presenter.OrdemContratoCarteira.h"

#include "App.Adapter.Frame.OrdemContratoCarteira.h"
#include "Common.Base.Entity.h"

#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <unordered_map>
#include <vector>

ZUNTA_REGISTER_PRESENTER(TOrdemContratoCarteiraPresenter)

namespace {

const QString kOrdem = QStringLiteral("ORDEM_COBRANCA");
const QString kIdRegistro = QStringLiteral("ID_REGISTRO");

struct TContratoOrdem
{
    std::int64_t IdRegistro;
    int Ordem;
};

// The rows in sort order, as they stand before a change.
std::vector<TContratoOrdem> sequenciaOrdem(TMemTable &ADataSet)
{
    std::vector<TContratoOrdem> list;
    list.reserve(ADataSet.RecordCount());
    const TField *id = ADataSet.FieldByName(kIdRegistro);
    const TField *ordem = ADataSet.FieldByName(kOrdem);
    for (ADataSet.First(); !ADataSet.Eof(); ADataSet.Next())
        list.push_back({ id->AsLargeInt(), ordem->AsInteger() });
    return list;
}

void gravarOrdem(TMemTable &ADataSet, std::int64_t AIdRegistro, int AOrdem)
{
    if (!ADataSet.Locate(kIdRegistro, TFieldValue(AIdRegistro)))
        return;
    ADataSet.Edit();
    ADataSet.FieldByName(kOrdem)->SetAsInteger(AOrdem);
    ADataSet.Post();
}

// Where a row stands in the view and the order it takes.
struct TOrdemNaPosicao
{
    int RecNo;
    int Ordem;
};

// The rows of the view whose order grows (or shrinks), with their places, first to last.
std::vector<TOrdemNaPosicao> posicoes(TMemTable &ADataSet,
                                      const std::unordered_map<std::int64_t, int> &ANovas,
                                      bool ASobe)
{
    std::vector<TOrdemNaPosicao> list;
    const TField *id = ADataSet.FieldByName(kIdRegistro);
    const TField *ordem = ADataSet.FieldByName(kOrdem);
    for (ADataSet.First(); !ADataSet.Eof(); ADataSet.Next()) {
        const auto nova = ANovas.find(id->AsLargeInt());
        if (nova == ANovas.end())
            continue;
        const int atual = ordem->AsInteger();
        if (ASobe ? nova->second > atual : nova->second < atual)
            list.push_back({ ADataSet.RecNo(), nova->second });
    }
    return list;
}

void gravarNaPosicao(TMemTable &ADataSet, const TOrdemNaPosicao &ARow)
{
    ADataSet.SetRecNo(ARow.RecNo);
    ADataSet.Edit();
    ADataSet.FieldByName(kOrdem)->SetAsInteger(ARow.Ordem);
    ADataSet.Post();
}

// Many orders at once, the table kept in order. A row whose order grows is written after every
// later row has been, one whose order shrinks after every earlier one: each then still stands
// between its neighbours and keeps its place, and only a row that jumps over others is placed
// again. Placing a growing row again moves only rows after it, a shrinking one only rows before
// it, so the places read beforehand stay right for the rows still to write.
void gravarOrdens(TMemTable &ADataSet, const std::vector<TContratoOrdem> &AOrdens)
{
    if (AOrdens.size() <= 2) {
        for (const TContratoOrdem &row : AOrdens)
            gravarOrdem(ADataSet, row.IdRegistro, row.Ordem);
        return;
    }
    std::unordered_map<std::int64_t, int> novas;
    novas.reserve(AOrdens.size());
    for (const TContratoOrdem &row : AOrdens)
        novas[row.IdRegistro] = row.Ordem;
    const std::vector<TOrdemNaPosicao> sobem = posicoes(ADataSet, novas, true);
    for (auto row = sobem.rbegin(); row != sobem.rend(); ++row)
        gravarNaPosicao(ADataSet, *row);
    // Read after the growing rows are written: those placed again moved the rest.
    for (const TOrdemNaPosicao &row : posicoes(ADataSet, novas, false))
        gravarNaPosicao(ADataSet, row);
}

// The edit's value as a whole number; empty or unreadable text is 0.
int valorEdit(const TEdit *AEdit)
{
    bool ok = false;
    const int value = AEdit ? AEdit->text().trimmed().toInt(&ok) : 0;
    return ok ? value : 0;
}

} // namespace

void OrdenarContratosCarteira(TMemTable &ADataSet)
{
    ADataSet.SetIndexFieldNames(QStringLiteral("ORDEM_COBRANCA;LOGRADOURO;TITULAR"));
    if (ADataSet.IsEmpty())
        return;
    ADataSet.Last();
    int proxima = ADataSet.FieldByName(kOrdem)->AsInteger();
    // Numbering moves a row out of the filtered view, so the rows are taken first.
    ADataSet.SetFilter(QStringLiteral("ORDEM_COBRANCA < 1"));
    ADataSet.SetFiltered(true);
    std::vector<TContratoOrdem> semOrdem = sequenciaOrdem(ADataSet);
    ADataSet.SetFiltered(false);
    for (TContratoOrdem &row : semOrdem)
        row.Ordem = ++proxima;
    gravarOrdens(ADataSet, semOrdem);
    ADataSet.First();
}

bool MoverOrdemContratoCarteira(TMemTable &ADataSet,
                                std::int64_t AIdRegistro,
                                int AShown,
                                int ADelta)
{
    const std::vector<TContratoOrdem> seq = sequenciaOrdem(ADataSet);
    if (seq.empty())
        return false;
    const int limite = ADelta < 0 ? seq.front().Ordem : seq.back().Ordem;
    if (AShown == limite)
        return false;
    const int destino = AShown + ADelta;
    for (const TContratoOrdem &row : seq)
        if (row.Ordem == destino) {
            gravarOrdem(ADataSet, row.IdRegistro, AShown);
            break;
        }
    gravarOrdem(ADataSet, AIdRegistro, destino);
    return true;
}

TOrdemAlterada
AlterarOrdemContratoCarteira(TMemTable &ADataSet, std::int64_t AIdRegistro, int ANova)
{
    const std::vector<TContratoOrdem> seq = sequenciaOrdem(ADataSet);
    std::size_t pos = 0;
    while (pos < seq.size() && seq[pos].IdRegistro != AIdRegistro)
        ++pos;
    if (pos == seq.size())
        return TOrdemAlterada::LinhaAusente;
    const int atual = seq[pos].Ordem;
    if (ANova == atual || ANova == 0)
        return TOrdemAlterada::Nenhuma;
    const int primeira = seq.front().Ordem;
    const int ultima = seq.back().Ordem;
    const int anterior = atual == primeira || pos == 0 ? atual : seq[pos - 1].Ordem;
    const int seguinte = atual == ultima || pos + 1 == seq.size() ? atual : seq[pos + 1].Ordem;

    // The new orders are worked out from the sequence as it stood, then written.
    std::vector<TContratoOrdem> novas { { AIdRegistro, ANova } };
    if (ANova < atual) {
        for (std::size_t i = 0; i < seq.size(); ++i) {
            const TContratoOrdem &row = seq[i];
            if (i == pos || row.Ordem < ANova || row.Ordem > atual)
                continue;
            if (row.Ordem == anterior)
                novas.push_back({ row.IdRegistro, atual });
            else
                novas.push_back(
                    { row.IdRegistro, i + 1 < seq.size() ? seq[i + 1].Ordem : row.Ordem });
        }
    } else {
        int antes = anterior;
        for (std::size_t i = 0; i < seq.size(); ++i) {
            const TContratoOrdem &row = seq[i];
            if (i == pos || row.Ordem < atual || row.Ordem > ANova)
                continue;
            novas.push_back({ row.IdRegistro, row.Ordem == seguinte ? atual : antes });
            antes = row.Ordem;
        }
    }
    gravarOrdens(ADataSet, novas);
    return TOrdemAlterada::Alterada;
}

TOrdemContratoCarteiraPresenter::TOrdemContratoCarteiraPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TOrdemContratoCarteiraPresenter"))
{ }

std::unique_ptr<TBaseEntity> TOrdemContratoCarteiraPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TOrdemContratoCarteiraPresenter::CreateService()
{
    return nullptr;
}

bool TOrdemContratoCarteiraPresenter::AtualizarOrdemContratos()
{
    if (!DataSetContrato || !DataSetContrato->Active() || DataSetContrato->IsEmpty())
        throw Exception(
            QStringLiteral("WARNING:É necessário realizar a pesquisa para prosseguir."));
    if (!PresenterContrato)
        return false;
    return PresenterContrato->AtualizarOrdemContratos(*DataSetContrato);
}

void TOrdemContratoCarteiraPresenter::ProcAlterarOrdemClick(TFrameBaseAdapter *AFrame)
{
    auto *frame = dynamic_cast<TOrdemContratoCarteiraFrameAdapter *>(AFrame);
    if (!frame || !DataSetContrato)
        return;
    if (AlterarOrdemContratoCarteira(
            *DataSetContrato, frame->IdRegistro(), valorEdit(frame->EditOrdem))
        != TOrdemAlterada::Nenhuma)
        reload();
}

void TOrdemContratoCarteiraPresenter::ProcMoveUpClick(TFrameBaseAdapter *AFrame)
{
    moveStep(AFrame, -1);
}

void TOrdemContratoCarteiraPresenter::ProcMoveDownClick(TFrameBaseAdapter *AFrame)
{
    moveStep(AFrame, +1);
}

void TOrdemContratoCarteiraPresenter::moveStep(TFrameBaseAdapter *AFrame, int ADelta)
{
    auto *frame = dynamic_cast<TOrdemContratoCarteiraFrameAdapter *>(AFrame);
    if (!frame || !DataSetContrato)
        return;
    if (MoverOrdemContratoCarteira(
            *DataSetContrato, frame->IdRegistro(), valorEdit(frame->EditOrdem), ADelta))
        reload();
}

void TOrdemContratoCarteiraPresenter::ProcResetOrdem(TFrameBaseAdapter *AFrame)
{
    auto *frame = dynamic_cast<TOrdemContratoCarteiraFrameAdapter *>(AFrame);
    if (!frame || !DataSetContrato
        || !DataSetContrato->Locate(kIdRegistro, TFieldValue(frame->IdRegistro())))
        return;
    const TField *ordem = DataSetContrato->FieldByName(kOrdem);
    if (valorEdit(frame->EditOrdem) != ordem->AsInteger())
        frame->EditOrdem->setText(ordem->DisplayText());
}

void TOrdemContratoCarteiraPresenter::reload()
{
    if (ProcReloadDados)
        ProcReloadDados();
}
