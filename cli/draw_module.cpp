// The drawing modes' module: graphs into pictures, graphs into workbooks and
// the side view, with Qt Gui and libxlsxwriter behind them.

#include <iostream>
#include <stdexcept>

#include "draw_entry.hpp"
#include "export_command.hpp"
#include "picture_command.hpp"
#include "side_view_command.hpp"
#include "view3d_command.hpp"

using orvane::cli::DrawRequest;

extern "C" __attribute__((visibility("default"))) int orvane_run_draw(const DrawRequest* r)
{
    try {
        switch (r->mode) {
        case DrawRequest::Mode::Picture:
            return orvane::cli::runPicture(r->args.at(0), r->args.at(1), r->args.at(2), r->width, r->height, r->ppi,
                                           {r->soilLayer, r->wallGeometry});
        case DrawRequest::Mode::ExportXlsx: return orvane::cli::runExportXlsx(r->args.at(0), r->args.at(1), r->plots);
        case DrawRequest::Mode::SideView: return orvane::cli::runSideView(r->args.at(0), r->args.at(1), r->width, r->height);
        case DrawRequest::Mode::View3D:
            return orvane::cli::runView3D(r->args.at(0), r->args.at(1), r->width, r->height, r->factor, r->yaw, r->pitch,
                                          r->zoom);
        }
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
