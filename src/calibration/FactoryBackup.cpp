#include "calibration/FactoryBackup.h"

#include "calibration/AdjustmentBlock.h"

namespace {

constexpr const char* FactoryBackupName = "factory";
constexpr const char* CalibrationExtension = ".Kqda";
constexpr const char* SerialNumberExtension = ".sn";

}

std::string FactoryBackupBase(const BackupMoment& when) { return BackupBaseName(when, FactoryBackupName); }

std::vector<BackupFile> FactoryBackupFiles(const uint8_t (&deviceSn)[DeviceSnSize], const AdjustmentData& calibration)
{
    return {{CalibrationExtension, calibration.Bytes(), AdjustmentDataSize},
            {SerialNumberExtension, deviceSn, DeviceSnSize}};
}

BackupResult StoreFactoryBackup(const std::string& root, const uint8_t (&deviceSn)[DeviceSnSize],
                                const AdjustmentData& calibration, const BackupMoment& when)
{
    return StoreBackupFiles(root, deviceSn, FactoryBackupBase(when), FactoryBackupFiles(deviceSn, calibration));
}

BackupResult BackUpFactoryData(const TransferContext& calibrationRead)
{
    AdjustmentData calibration{};
    SetAdjustmentData(calibrationRead.Buffer, calibration);
    return StoreFactoryBackup(BackupRoot(), calibrationRead.Settings.DeviceSn, calibration, LocalBackupMoment());
}
