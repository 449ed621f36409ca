#pragma once

#include "App.Base.Presenter.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Base.Dto.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TFormBasePesquisa;
class TFrameBaseAdapter;
class TMemTable;

// Creates the search window of a lookup; an empty one creates a TFormBasePesquisa.
using TFormPesquisaClass = std::function<std::unique_ptr<TFormBasePesquisa>()>;

// The lookup controller: finds one record of an entity for a bound lookup edit, directly by the
// id typed into it (the system-list lookup: by code) or through the search window, and hands the
// record back to the binding (text, Id, caption, callback). One lookup serves one use.
//
// A lookup owns itself from Execute on and ends with Release, which takes effect once the event
// that released it has been handled (the lookup and its window may be released from inside
// the window's own buttons): hand it over with release() from the unique_ptr Create gives.
//
// A descendant serves one entity: it passes its class name to the constructor, overrides
// instancePresenter, findObjectDto and fillFrameItem (creating a TFrameBaseAdapterPesquisa in
// the window's VertScrollBoxDados, then calling the base), and puts
// ZUNTA_REGISTER_PESQUISA(ClassName) in its .cpp so that bound edits find it by name.
class TPesquisa : public QObject
{
public:
    ~TPesquisa() override;

    template<class T>
    static std::unique_ptr<T> Create()
    {
        auto pesquisa = std::make_unique<T>();
        static_cast<TPesquisa *>(pesquisa.get())->initializePesquisa();
        return pesquisa;
    }

    const QString &ClassName() const { return m_className; }
    void SetValueFixFilter(const QString &AValue) { FValueFixFilter = AValue; }
    void SetTitleFormPesquisa(const QString &AValue) { FTitleFormPesquisa = AValue; }
    TPesquisa *SetIdFind(std::int64_t AValue);
    TPesquisa *SetCodigoFind(const QString &AValue);

    // Runs one lookup for the binding (see the class comment for ownership). A direct find
    // releases the lookup and lets its failure reach the caller, after warning the person when
    // the edit sits on a window. A lookup that cannot start (its presenter is not available)
    // shows why, is released and lets the failure reach the caller.
    void Execute(TItemControl *AItemControl, const TFormPesquisaClass &AClassFormPesquisa = {});
    // What a bound edit's lookup class runs: the request's filter, title and id, then Execute.
    static void Start(std::unique_ptr<TPesquisa> APesquisa,
                      TItemControl &AItemControl,
                      const TPesquisaRequest &ARequest);

    // Ends the lookup once the current event has been handled; later calls do nothing.
    void Release();

    // The search window while it exists; null before it is needed and after the lookup ended.
    TFormBasePesquisa *FormPesquisa() const { return FFormPesquisa.get(); }

protected:
    explicit TPesquisa(const QString &AClassName);

    // Called at the end of Create.
    virtual void initializePesquisa() { }
    // Creates the entity's presenter, hands it over with SetPresenter and sets it up.
    virtual void instancePresenter() = 0;
    // Fetches the record FIdFind (a system list: or FListaCodigo) and stores it with
    // SetObjectDto, its text with SetValueDescricao; stores nothing when there is none. Runs on
    // a worker while the main thread waits: it touches no widget.
    virtual void findObjectDto() = 0;
    // The row of the data set's current record: descendants create it, fill LabelDescricao and
    // call this, which fills LabelID and the select procedure.
    virtual void fillFrameItem(TMemTable &DataSet, TFrameBaseAdapter *&Frame);
    // After the record's id was given to the binding.
    virtual void afterFindObjectDto() { }
    // On the main thread, after the search window read a page into the presenter's table and
    // before it builds the page's rows.
    virtual void beforeFillFrame() { }

    TBasePresenter *Presenter() const { return FPresenter.get(); }
    // Also hands the presenter to the search window when there is one.
    void SetPresenter(std::unique_ptr<TBasePresenter> AValue);
    TBaseDto *ObjectDto() const { return FObjectDto.get(); }
    void SetObjectDto(std::unique_ptr<TBaseDto> AValue) { FObjectDto = std::move(AValue); }
    void SetValueDescricao(const QString &AValue) { FValueDescricao = AValue; }
    void SetInfoRetorno(const QString &AValue) { FInfoRetorno = AValue; }

    std::int64_t FIdFind = 0;
    QString FListaCodigo;
    TItemControl *FItemControl = nullptr; // not owned
    QString FValueDescricao;
    QString FTitleFormPesquisa;
    QString FValueFixFilter;
    QString FInfoRetorno;

private:
    bool isPesquisaLista() const;
    void openFormPesquisa(const QString &AText, const TFormPesquisaClass &AClassFormPesquisa);
    void fillItemControl();
    void selectFrameItem(TFrameBaseAdapter *AFrame);
    void closePesquisa();

    QString m_className;
    bool m_released = false;
    // Destroyed in reverse order: the window, then the record, then the presenter.
    std::unique_ptr<TBasePresenter> FPresenter;
    std::unique_ptr<TBaseDto> FObjectDto;
    std::unique_ptr<TFormBasePesquisa> FFormPesquisa;
};

// In a lookup's .cpp: bound edits whose ClassPesquisa is the class name run it.
#define ZUNTA_REGISTER_PESQUISA(ClassName)                                                         \
    namespace {                                                                                    \
    const TClassRegistration zuntaPesquisaRegistration##ClassName(                                 \
        QStringLiteral(#ClassName),                                                                \
        TPesquisaExecute([](TItemControl &AItemControl, const TPesquisaRequest &ARequest) {        \
            TPesquisa::Start(TPesquisa::Create<ClassName>(), AItemControl, ARequest);              \
        }));                                                                                       \
    }
