#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PerfilPermissao.h"
#include "Common.ComplexPost.PerfilPermissao.h"
#include "Common.Dto.PerfilPermissao.h"

#include <QStringList>

class TMemTable;

// The permission profiles: the presenter of the profile window and of the profile lookup. The
// profile is saved as an aggregate with the permission rows of the window's table
// (DataSetFormulario) and the ids the window removed (ListRemoveFormulario); both belong to the
// window, which hands them over before a save.
class TPerfilPermissaoPresenter final : public TCadastroPresenterOf<TPerfilPermissaoComplexPost,
                                                                    TPerfilPermissaoDto,
                                                                    TPerfilPermissaoService>
{
public:
    TPerfilPermissaoPresenter();

    void SetDataSetFormulario(TMemTable *AValue) { m_dataSetFormulario = AValue; }
    void SetListRemoveFormulario(const QStringList *AValue) { m_listRemoveFormulario = AValue; }

protected:
    // The body from the table on the calling (main) thread: the removed ids (a line that is no
    // number gives 0), then every row of every window, whatever the table's filter, except the
    // rows without a stored id and without a ticked flag; sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;

private:
    TMemTable *m_dataSetFormulario = nullptr;
    const QStringList *m_listRemoveFormulario = nullptr;
};
