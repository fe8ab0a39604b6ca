// Checks a CSV table against a Table Schema: its columns by name and order, and every value by
// its field's type, format and constraints (enums, bounds, required).
//   node validate.js SCHEMA.json TABLE.csv [COLUMN,...]
// The columns named last are let be empty although the schema requires them. Prints each
// error; exits 1 when there is one.
const fs = require('fs');
const {Schema} = require('tableschema');
const parse = require('csv-parse/lib/sync');

(async () => {
  const [schemaPath, tablePath, relaxed = ''] = process.argv.slice(2);
  const descriptor = JSON.parse(fs.readFileSync(schemaPath, 'utf8'));
  for (const field of descriptor.fields) {
    if (relaxed.split(',').includes(field.name) && field.constraints)
      delete field.constraints.required;
  }
  const schema = await Schema.load(descriptor, {strict: true});
  const rows = parse(fs.readFileSync(tablePath, 'utf8'), {relax_column_count: false});
  const errors = [];
  const header = rows.shift();
  if (JSON.stringify(header) !== JSON.stringify(schema.fieldNames))
    errors.push(`columns ${header} are not the schema's ${schema.fieldNames}`);
  rows.forEach((row, at) => {
    schema.fields.forEach((field, column) => {
      try {
        field.castValue(row[column]);
      } catch (error) {
        errors.push(`row ${at + 2}: ${error.message}`);
      }
    });
  });
  errors.forEach((error) => console.log(error));
  process.exit(errors.length ? 1 : 0);
})().catch((error) => {
  console.log(error.message);
  process.exit(2);
});
