#include "app/logic/program_settings.h"

#include "document/orvanta_doc.h"
#include "view/orvanta_view.h"

void ApplyCameraOptions(const COrvantaOptions& program, COrvantaDoc& document) {
    COrvantaOptions::ModellerPage& own = document.Settings->Modeller;
    own.OpenGL = program.Modeller.OpenGL;
    own.Wireframe = program.Modeller.Wireframe;
    own.DeepTest = program.Modeller.DeepTest;
    own.Lights = program.Modeller.Lights;
    for (IViewPort* port : document.GetViews()) {
        auto* view = dynamic_cast<COrvantaView*>(port);
        if (!view || view->ViewKind != kCameraView)
            continue;
        view->UseOpenGL = own.OpenGL;
        view->Wireframe = own.Wireframe;
        view->DepthTest = own.DeepTest;
        view->Lights = own.Lights;
        view->Redraw();
    }
}
