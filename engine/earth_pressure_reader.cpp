// Earth pressure of a case: the user table or the generated table read back
// from the scratch file, and the station loads they give.
#include <cmath>
#include <fstream>

#include "engine/engine_run.h"
#include "engine/fortran_format.h"

namespace torven {

namespace {
const char* const kPressureFile = "KESTRA.001";
constexpr int kStrideThreshold = 50;
}  // namespace

void EngineRun::readEarthPressure() {
    const ControlRecord& c = case_.control;
    const bool soilRecord = c.kep >= 2 || c.kpy == 2;
    if (c.kep == 1) readUserPressureTable();
    if (soilRecord) readSoilRecord();
    // Codes below 0 are no earth pressure, as 0 is.
    if (c.kep <= 0) {
        plot_->writePressureBlock({});
        return;
    }
    if (c.kep == 1) {
        applySurchargesToUserTable();
        plot_->writePressureBlock(case_.pressure);
    } else {
        generators.earthPressure(*this);
        readGeneratedPressureTable();
    }
    applyEarthPressureLoads();
}

void EngineRun::readUserPressureTable() {
    report_->sectionBox("        SPECIFIED ACTIVE EARTH PRESSURE");
    report_->depthPressureHeader(labels_);
    ListReader& in = *reader_;
    in.beginRecord();
    const int count = in.readInt("NO OF EARTH PRESSURE ROWS");
    for (int i = 0; i < count; ++i) {
        in.beginRecord();
        PressureRow row;
        row.depth = in.readReal("EARTH PRESSURE DEPTH");
        row.soil = in.readReal("EARTH PRESSURE");
        row.total = row.soil;
        report_->depthPressureRow(row.depth, row.soil);
        case_.pressure.push_back(row);
    }
}

void EngineRun::readSoilRecord() {
    ListReader& in = *reader_;
    SoilRecord& s = case_.soil;
    case_.hasSoilRecord = true;
    in.beginRecord();
    s.wall.freeHeight = in.readReal("FREE HEIGHT");
    s.wall.widthActive = in.readReal("WIDTH FOR EARTH PRESSURE");
    s.wall.widthPY = in.readReal("WIDTH FOR P-Y CURVES");
    s.wall.waterDepthBackfill = in.readReal("WATER DEPTH ON BACKFILL SIDE");
    s.wall.waterDepthExcavation = in.readReal("WATER DEPTH ON EXCAVATION SIDE");
    s.wall.activeFactor = in.readReal("ACTIVE PRESSURE FACTOR");
    s.wall.wallCode = in.readInt("WALL CODE");
    s.wall.backfillSlope = in.readReal("BACKFILL SLOPE");

    in.beginRecord();
    s.uniformSurcharge = in.readReal("UNIFORM SURCHARGE");
    for (double& v : s.legacySurcharge) v = in.readReal("SURCHARGE VALUE");

    in.beginRecord();
    const int nSur = in.readInt("NO OF SURCHARGE LOADS");
    const double distanceFactor = case_.control.units == 2 ? 1000.0 : 1.0;
    for (int i = 0; i < nSur; ++i) {
        in.beginRecord();
        SurchargeLoad load;
        load.type = in.readInt("SURCHARGE TYPE");
        load.magnitude = in.readReal("SURCHARGE MAGNITUDE");
        load.distance = in.readReal("SURCHARGE DISTANCE") / distanceFactor;
        load.width = in.readReal("SURCHARGE WIDTH") / distanceFactor;
        s.surcharges.push_back(load);
    }

    in.beginRecord();
    const int nLayer = in.readInt("NO OF SOIL LAYERS");
    double previousBottom = 0.0;
    for (int i = 0; i < nLayer; ++i) {
        SoilLayer layer;
        in.beginRecord();
        layer.type = in.readInt("SOIL TYPE");
        layer.bottomDepth = in.readReal("DEPTH OF LAYER BOTTOM");
        layer.thickness = layer.bottomDepth - previousBottom;
        previousBottom = layer.bottomDepth;
        for (double* values : {layer.top, layer.bottom}) {
            in.beginRecord();
            for (int k = 0; k < 6; ++k) values[k] = in.readReal("SOIL PARAMETER");
        }
        s.layers.push_back(layer);
    }
}

void EngineRun::applySurchargesToUserTable() {
    if (!case_.hasSoilRecord || case_.soil.surcharges.empty()) return;
    for (PressureRow& row : case_.pressure) {
        row.surcharge = case_.soil.wall.widthActive * generators.surchargePressureAt(*this, row.depth);
        row.total = row.soil + row.surcharge;
    }
}

void EngineRun::readGeneratedPressureTable() {
    std::ifstream file(kPressureFile, std::ios::binary);
    if (!file) {
        report_->emptyLines(2);
        checkStop("     ERROR -- THE EARTH PRESSURE TABLE " + std::string(kPressureFile) + " CANNOT BE OPENED");
    }
    ListReader in(file);
    std::vector<PressureRow> rows;
    try {
        in.beginRecord();
        const int count = in.readInt("NO OF EARTH PRESSURE ROWS");
        for (int i = 0; i < count; ++i) {
            in.beginRecord();
            PressureRow row;
            row.depth = in.readReal("EARTH PRESSURE DEPTH");
            row.total = in.readReal("TOTAL EARTH PRESSURE");
            row.soil = in.readReal("EARTH PRESSURE FROM SOILS");
            row.surcharge = in.readReal("EARTH PRESSURE FROM SURCHARGES");
            rows.push_back(row);
        }
    } catch (const InputError& e) {
        report_->emptyLines(2);
        checkStop("     ERROR -- " + std::string(kPressureFile) + ": " + e.what());
    }

    double width = case_.soil.wall.widthActive;
    for (PressureRow& row : rows) {
        if (row.depth > case_.wall.freeHeight) width = case_.soil.wall.widthPY;
        row.total *= width;
        row.soil *= width;
        row.surcharge *= width;
    }

    report_->depthPressureHeader(labels_);
    const int n = static_cast<int>(rows.size());
    const int stride = n > kStrideThreshold ? (case_.control.units == 2 ? 4 : 6) : 1;
    std::vector<PressureRow> echoed;
    for (int i = 0; i < n; ++i) {
        if (i % stride == 0 || i == n - 1) {
            report_->depthPressureRow(rows[i].depth, rows[i].total);
            echoed.push_back(rows[i]);
        }
    }
    plot_->writePressureBlock(echoed);
    case_.pressure = std::move(rows);
}

void EngineRun::applyEarthPressureLoads() {
    const std::vector<PressureRow>& rows = case_.pressure;
    if (rows.empty()) return;
    const double h = wall_.h();
    const double lastDepth = case_.control.kep >= 2 ? case_.wall.freeHeight : rows.back().depth;
    const double stations = std::round(lastDepth / h) + 1.0;
    // Loads below the tip + 3 have no station; the beyond-end check sees those at N+1 and N+2.
    const int n = static_cast<int>(std::min(stations, static_cast<double>(wall_.n() + 4)));
    double force = 0.0;
    std::size_t j = 0;
    for (int i = 1; i <= n - 1; ++i) {
        const double x = i * h;
        while (j < rows.size() && x > rows[j].depth) ++j;
        if (j < rows.size()) {
            const double d0 = j == 0 ? 0.0 : rows[j - 1].depth;
            const double f0 = j == 0 ? 0.0 : rows[j - 1].total * h;
            const double d1 = rows[j].depth;
            const double f1 = rows[j].total * h;
            force = d1 == d0 ? f1 : f0 + (f1 - f0) * (x - d0) / (d1 - d0);
        }
        wall_.Q[WallModel::index(i)] += force;
    }
}

}  // namespace torven
