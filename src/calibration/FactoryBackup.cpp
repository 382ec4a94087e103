#include "calibration/FactoryBackup.h"

#include "calibration/AdjustmentBlock.h"

namespace {

constexpr const char* FactoryBackupName = "factory";
constexpr const char* CalibrationExtension = ".Kqda";
constexpr const char* SerialNumberExtension = ".sn";

}

BackupResult StoreFactoryBackup(const std::string& root, const uint8_t (&deviceSn)[DeviceSnSize],
                                const AdjustmentData& calibration, const BackupMoment& when)
{
    return StoreBackupFiles(root, deviceSn, BackupBaseName(when, FactoryBackupName),
                            {{CalibrationExtension, calibration.Bytes(), AdjustmentDataSize},
                             {SerialNumberExtension, deviceSn, DeviceSnSize}});
}

BackupResult BackUpFactoryData(const TransferContext& calibrationRead)
{
    AdjustmentData calibration{};
    SetAdjustmentData(calibrationRead.Buffer, calibration);
    return StoreFactoryBackup(BackupRoot(), calibrationRead.Settings.DeviceSn, calibration, LocalBackupMoment());
}
