#include "App.Lib.Message.Display.h"

TMessageDisplay::~TMessageDisplay() = default;

int TMessageDisplay::Show(const TMessageRequest &request)
{
    std::unique_ptr<TFormMessage> window = TFormMessage::New();
    if (request.IsInitializateApp)
        window->IsInitializateApp();
    return window->MessageType(request.Kind)
        .FileLog(request.FileLog)
        .Message(request.Text)
        .TitleForm(request.TitleForm)
        .Execute();
}
