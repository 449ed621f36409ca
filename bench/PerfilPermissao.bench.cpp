// The permission rows of the profile window: 3,000 windows of the system, each a row with eight
// check boxes. BM_BuildRows builds the rows once from the table, as reading a profile does;
// BM_MarcarTodas ticks every flag of every row ("Marcar Todas") and rebuilds the rows, as the
// window does after it. Both run in one executable so their figures compare; each iteration ends
// when the event loop has nothing left to do, so the layout and the first paint are counted.

#include "App.Adapter.Frame.FormularioPerfilPermissao.h"
#include "App.Lib.FrameList.h"
#include "App.Presenter.FormularioPerfilPermissao.h"
#include "Common.Dto.FormularioPerfilPermissao.h"
#include "MemTable.h"
#include "ScrollBox.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kWindows = 3000;

struct Environment
{
    QWidget window;
    TVertScrollBox *scroll
        = new TVertScrollBox(&window, QStringLiteral("VertScrollBoxDadosFormulario"));
    std::unique_ptr<TFormularioPerfilPermissaoPresenter> presenter
        = TBasePresenter::Create<TFormularioPerfilPermissaoPresenter>();
    TFrameList list;

    Environment()
    {
        window.resize(900, 700);
        scroll->setAlign(TAlignLayout::Client);
        window.show();
        list.SetVertScroll(scroll);
        list.SetPresenter(presenter.get());
        list.SetIsFillIds(true);
        list.SetProcFillFrameItem([this](TMemTable &DataSet, TFrameBaseAdapter *&frame) {
            frame = TFrameBaseAdapter::New<TFormularioPerfilPermissaoFrameAdapter>(scroll, DataSet);
        });
        TObjectList<TFormularioPerfilPermissaoDto> rows;
        for (int index = 1; index <= kWindows; ++index) {
            auto row = std::make_unique<TFormularioPerfilPermissaoDto>();
            row->Id = index % 3 == 0 ? index : 0;
            row->IdFormulario = index;
            row->Formulario = QStringLiteral("CADASTRO DE TESTE %1").arg(index);
            row->IdMenuSuperior = 1 + index % 12;
            row->MenuSuperior = QStringLiteral("MENU %1").arg(row->IdMenuSuperior);
            row->Visualizar = index % 2 == 0;
            rows.push_back(std::move(row));
        }
        presenter->fillDataSetInfo(&rows);
    }

    // The rows built again from the table under its filter, as the window does.
    void rebuild()
    {
        list.InitialFillDados();
        presenter->SearchFilter();
        list.SetDataSetToFrame(true);
        list.CompleteFillDados(TTypePosition::tpCurrentPosition, nullptr);
        QCoreApplication::processEvents();
    }

    // Frees the rows of the previous fill, as the event loop would after it.
    static void freeClearedRows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

// Freed before the application object: widgets outliving it crash the exit.
std::unique_ptr<Environment> sharedEnvironment;

Environment &environment()
{
    if (!sharedEnvironment)
        sharedEnvironment = std::make_unique<Environment>();
    return *sharedEnvironment;
}

void BM_BuildRows(benchmark::State &state)
{
    Environment &env = environment();
    for (auto _ : state) {
        state.PauseTiming();
        Environment::freeClearedRows();
        state.ResumeTiming();
        env.rebuild();
    }
    state.counters["rows"] = env.presenter->DataSetInfo().RecordCount();
}
BENCHMARK(BM_BuildRows)->Unit(benchmark::kMillisecond);

void BM_MarcarTodas(benchmark::State &state)
{
    Environment &env = environment();
    for (auto _ : state) {
        state.PauseTiming();
        Environment::freeClearedRows();
        state.ResumeTiming();
        env.presenter->MarcarTodas();
        env.rebuild();
    }
    state.counters["rows"] = env.presenter->DataSetInfo().RecordCount();
}
BENCHMARK(BM_MarcarTodas)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedEnvironment.reset();
    return 0;
}
