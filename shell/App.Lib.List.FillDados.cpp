#include "App.Lib.List.FillDados.h"

#include "App.Base.Presenter.h"
#include "App.Lib.FrameList.h"
#include "MemTable.h"

#include <QtGlobal>

namespace {

// "ID_" and the table's name with a to z in upper case, the column of a grandchild row that
// holds the id of its row in that table ("dependente_plano" gives ID_DEPENDENTE_PLANO).
QString foreignKeyField(const TMemTable *ADataSet)
{
    if (!ADataSet)
        return QString();
    QString name = ADataSet->Name();
    for (QChar &character : name) {
        if (character >= QLatin1Char('a') && character <= QLatin1Char('z'))
            character = QChar(character.unicode() - 'a' + 'A');
    }
    return QStringLiteral("ID_") + name;
}

} // namespace

TItemListFillDados::TItemListFillDados(TFrameList *AFrameList, TMemTable *ADataSet)
    : FFrameList(AFrameList)
    , FDataSet(ADataSet)
{ }

void TItemListFillDados::FillDados()
{
    TBasePresenter *presenter = FFrameList->Presenter();
    Q_ASSERT(presenter);
    // The read goes off the main thread, which keeps its windows painting meanwhile; linking
    // the rows to their parent rows and building the row frames stay on it. A failed read
    // reaches the caller: the record would open with an empty list that its save sends back
    // as though the children had been removed.
    presenter->IdPrincipal = FIdFK;
    presenter->Paginate.Limit = 5000;
    TBasePresenter::runOffMainThread([presenter] { presenter->findByFilterToDataSet(); });
    if (FDataSet)
        presenter->SetInfoIdRegistroFK(FDataSet, foreignKeyField(FDataSet));
    FFrameList->fillDadosSubCadastro(true, false, nullptr, QString(), 0, {});
}

TListFillDados::TListFillDados() = default;

TListFillDados::~TListFillDados() = default;

TListFillDados &TListFillDados::Add(std::unique_ptr<TItemListFillDados> AItem)
{
    Q_ASSERT(AItem && AItem->FrameList());
    if (AItem && AItem->FrameList())
        FList.push_back(std::move(AItem));
    return *this;
}

TListFillDados &TListFillDados::AddFrameList(TFrameList *AFrameList, TMemTable *ADataSet)
{
    return Add(std::make_unique<TItemListFillDados>(AFrameList, ADataSet));
}

TListFillDados &TListFillDados::Execute()
{
    for (const auto &item : FList) {
        item->SetIdFK(FIdPrincipal);
        if (ProcBeforeItemFillDados)
            ProcBeforeItemFillDados(item.get());
        item->FillDados();
        if (ProcAfterItemFillDados)
            ProcAfterItemFillDados(item.get());
    }
    return *this;
}
