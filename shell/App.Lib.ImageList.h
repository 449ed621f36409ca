#pragma once

#include "ImageList.h"

// The application's shared image lists, created first at start-up and kept for the whole run;
// windows take their button pictures from them by list and index.
class TDataModuleImageList
{
public:
    TDataModuleImageList();

    // 48 x 48: 0 Editar, 1 Gravar (a check mark), 2 Novo, 3 Cancelar, 4 Retirar.
    TImageList ImageListCadastro;
    // 0 the close cross (white), 1 remove (white), 2 back, 3 Confirma, 4 Item 0, 5 edit,
    // 6 delete, 7 add, 8 Gravar, 9 package, 10 cancel, 11 Item 1, 12 SMS, 13 webhook, 14 menu,
    // 15 menu (white), 16 arrow up, 17 arrow down, 18 info.
    TImageList ImageListPrincipal;
    // 36 x 36: 0 iconConfirmacao, 1 iconInformacao, 2 iconErro.
    TImageList ImageListMessage;
    // 48 x 48: 0 Desmarcado, 1 Selecionado, 2 Nao Selecionado.
    TImageList ImageListListaParc;

    // The process-wide data module (main thread), created on first use; tests may drop it.
    static TDataModuleImageList &Instance();
    static void ResetInstance();
};
