#include "overlay/loading/OverlayLoader.h"

void OverlayLoader::Request(const std::string& path, int maxSide) {
    CallOff();
    job = std::make_shared<LoadJob>(path, maxSide);
    LoadingWorkers::Shared().Submit(job);
}

LoaderDelivery OverlayLoader::Collect() {
    if (!job) return {};
    LoaderDelivery delivery = LoadingWorkers::Shared().Collect(*job);
    if (delivery.outcome) job.reset();
    return delivery;
}

void OverlayLoader::Uploaded(size_t bytes) {
    if (job) LoadingWorkers::Shared().Uploaded(job, bytes);
}

void OverlayLoader::Stop() {
    CallOff();
    LoadingWorkers::Shared().EndThreadsIfIdle();
}

void OverlayLoader::CallOff() {
    if (!job) return;
    LoadingWorkers::Shared().Cancel(job);
    job.reset();
}
